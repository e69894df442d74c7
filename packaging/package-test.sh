#!/usr/bin/env bash
# Makes the Debian package from the build and checks what a person who
# installs it gets: Debian's checker accepts it, it holds the files it
# should with the maker's fields, and, unpacked into a scratch root, the
# installed companion reads a scratch folder, the programs keep to the folder
# rule (a writable folder of their own, the user's own folder made at the
# first start with the store, the administrator's shared folder), the manual
# pages render and the shell completion offers the commands and a kind's
# fields.
#   packaging/package-test.sh BUILD
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
data="$source_dir/tests/data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

# ---- The package

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
version="$(cached CMAKE_PROJECT_VERSION)"
deb="$work/pkg/velmora_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no $(basename "$deb") among: $(ls "$work/pkg")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Maintainer)" == "$(cached VELMORA_MAKER_NAME) <$(cached VELMORA_MAKER_MAIL)>" ]] ||
  fail "Maintainer is '$(field Maintainer)'"
[[ "$(field Homepage)" == "$(cached VELMORA_MAKER_WEB)" ]] || fail "Homepage is '$(field Homepage)'"
[[ "$(field Version)" == "$version" ]] || fail "Version is '$(field Version)'"
# What dpkg-shlibdeps found, and never a development package.
for dependency in libc6 libqt6core6 libqt6widgets6 libqt6printsupport6; do
  [[ "$(field Depends)" =~ (^|, )$dependency\  ]] || fail "Depends lacks $dependency: $(field Depends)"
done
[[ ! "$(field Depends)" =~ -dev ]] || fail "Depends names a development package: $(field Depends)"

# Debian's checker: no error, and each warning it gives named in the README.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps.sh test)"
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
if grep -q '^E: ' "$work/lintian.log"; then
  cat "$work/lintian.log" >&2
  fail "lintian finds errors"
fi
for tag in $(sed -n 's/^W: [^ ]*: \([^ ]*\).*/\1/p' "$work/lintian.log" | sort -u); do
  grep -qF "\`$tag\`" "$source_dir/README.md" || fail "lintian's warning $tag is not named in the README"
done

# What the package holds: the program folder, the links, the desktop files,
# the manual pages, the completion and the documents Debian wants.
expected="./usr/bin/velmora -> ../lib/velmora/velmora
./usr/bin/velmora-cli -> ../lib/velmora/velmora-cli
./usr/lib/velmora/Guida.pdf
./usr/lib/velmora/shared-program-folder
./usr/lib/velmora/translations/qtbase_it.qm
./usr/lib/velmora/unins000.dll
./usr/lib/velmora/velmora
./usr/lib/velmora/velmora-cli
./usr/share/applications/velmora.desktop
./usr/share/bash-completion/completions/velmora-cli
./usr/share/doc/velmora/changelog.gz
./usr/share/doc/velmora/copyright
./usr/share/icons/hicolor/scalable/apps/velmora.svg
./usr/share/man/man1/velmora-cli.1.gz
./usr/share/man/man1/velmora.1.gz"
listed="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' | sort)"
[[ "$listed" == "$expected" ]] || fail "the package holds:
$listed"

root="$work/root"
dpkg -x "$deb" "$root"
lib="$root/usr/lib/velmora"
cli="$root/usr/bin/velmora-cli"
zcat "$root/usr/share/doc/velmora/changelog.gz" | head -1 | grep -q "^velmora ($version) " ||
  fail "the changelog does not begin with version $version"
grep -qxF "Exec=\"/usr/lib/velmora/velmora\"" "$root/usr/share/applications/velmora.desktop" ||
  fail "the desktop entry does not start /usr/lib/velmora/velmora"

# ---- The installed companion against a scratch folder

mkdir "$work/data"
cp "$data"/* "$work/data/"
"$cli" --folder "$work/data" verify Orari.pro >/dev/null || fail "the installed companion cannot verify"
"$cli" --folder "$work/data" find daily --year 2024 | grep -q . ||
  fail "the installed companion finds nothing in the scratch folder"

# ---- The folder rule

# Each program runs with nothing of this session's environment but what
# is given: a home of its own and the configuration file named.
home="$work/home"
mkdir "$home"
conf="$work/velmora.conf"
run() { env -i PATH=/usr/bin:/bin HOME="$home" VELMORA_CONF="$conf" QT_QPA_PLATFORM=offscreen "$@"; }
user="$home/.local/share/Velmora"

# The package's folder keeps no data: the companion reads the user's own
# folder, and never makes it.
out="$(run "$cli" verify Orari.pro 2>&1)" && fail "verify found an archive in an empty user folder"
[[ "$out" == *"$user/Orari.pro"* ]] || fail "the companion did not look in $user: $out"
[[ ! -e "$user" ]] || fail "the companion made the user's folder"

# The program's first start makes it, open to the user alone, with the
# first-access store.
first_start() { # FOLDER: starts the installed program until FOLDER holds a store
  run "$root/usr/bin/velmora" >"$work/velmora.log" 2>&1 &
  local pid=$! i
  for ((i = 0; i < 100; i++)); do
    [[ -f "$1/unins000.dll" ]] && break
    sleep 0.2
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  cmp -s "$1/unins000.dll" "$lib/unins000.dll" ||
    { cat "$work/velmora.log" >&2; fail "the first start did not put the store in $1"; }
}
first_start "$user"
[[ "$(stat -c %a "$user")" == 700 ]] || fail "the user's folder is open to others: $(stat -c %a "$user")"
cp "$data/Orari.pro" "$user/"
run "$cli" verify Orari.pro >/dev/null || fail "the companion does not read the user's folder"

# The administrator's shared folder, for the program and the companion.
shared="$work/condivisa"
mkdir "$shared"
cp "$data/2024.ore" "$shared/"
printf '# The office archives\nVELMORA_FOLDER="%s"\n' "$shared" >"$conf"
run "$cli" verify 2024.ore >/dev/null || fail "the companion does not read VELMORA_FOLDER"
first_start "$shared"

# A program folder of its own (not the package's): used while it is
# writable; not writable, the user's own folder instead. As root, which may
# write anywhere, the companion runs as nobody.
rm "$conf"
own="$work/Velmora"
cp -a "$lib" "$own"
rm "$own/shared-program-folder"
cp "$data/Dipendenti.pro" "$own/"
run "$own/velmora-cli" verify Dipendenti.pro >/dev/null || fail "a writable own folder is not used"
chmod 755 "$work"
if [[ $(id -u) -eq 0 ]]; then
  home="$work/nobody"
  mkdir -p "$home/.local/share/Velmora"
  chown -R 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  home="$work/user"
  mkdir -p "$home/.local/share/Velmora"
  chmod a-w "$own"
  as_user=()
fi
cp "$data/Orari.pro" "$home/.local/share/Velmora/"
chmod a+r "$home/.local/share/Velmora/Orari.pro"
out="$(run "${as_user[@]}" "$own/velmora-cli" verify Dipendenti.pro 2>&1)" &&
  fail "a folder its user cannot write was used as the data folder"
[[ "$out" == *"$home/.local/share/Velmora/Dipendenti.pro"* ]] || fail "not the user's folder: $out"
run "${as_user[@]}" "$own/velmora-cli" verify Orari.pro >/dev/null ||
  fail "the user's folder is not read beside a folder its user cannot write"
chmod u+w "$own"

# ---- The manual pages

for page in velmora-cli velmora; do
  file="$root/usr/share/man/man1/$page.1.gz"
  warnings="$(man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)"
  [[ -z "$warnings" ]] || fail "man warns about $page.1: $warnings"
done
manual="$(MANWIDTH=200 man -l "$root/usr/share/man/man1/velmora-cli.1.gz" | col -b)"
for heading in NAME SYNOPSIS DESCRIPTION COMMANDS OPTIONS "EXIT STATUS" FILES ENVIRONMENT EXAMPLES; do
  grep -qx "$heading" <<<"$manual" || fail "the manual page has no $heading"
done
# Every command as --help shows it, from the same table.
help="$("$cli" --help)"
commands=()
while read -r name arguments; do
  commands+=("$name")
  usage="$name${arguments:+ $arguments}"
  grep -qxF "       $usage" <<<"$manual" || fail "the manual page lacks '$usage'"
done < <(sed -n '/^Commands:/,/^$/s/^  \([a-z]\)/\1/p' <<<"$help")
[[ ${#commands[@]} -ge 10 ]] || fail "the help lists ${#commands[@]} commands"
for code in 0 1 2; do
  grep -qx "       $code      .*" <<<"$manual" || fail "the manual page does not tell exit status $code"
done

# ---- The shell completion

completion="$root/usr/share/bash-completion/completions/velmora-cli"
offered() { # WORD...: what the completion offers for the last word
  bash --norc --noprofile -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    _velmora_cli "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"
  ' completion "$completion" "$@"
}
[[ "$(offered "$cli" "" | sort)" == "$(printf '%s\n' "${commands[@]}" | sort)" ]] ||
  fail "the completion does not offer the commands: $(offered "$cli" "" | tr '\n' ' ')"
fields="$(offered "$cli" find workers --C | tr '\n' ' ')"
[[ " $fields " == *" --Cognome "* && " $fields " == *" --CodFisc "* ]] ||
  fail "the completion does not offer the workers' fields: $fields"
[[ "$(offered "$cli" --folder "$work/data" find daily --year "")" == 2024 ]] ||
  fail "the completion does not offer the years of the folder's archives"
[[ "$(offered "$cli" "--folder=$work/data" dump O)" == Orari.pro ]] ||
  fail "the completion does not offer the folder's archives"
mkdir "$work/out"
: >"$work/out/turno.pdf"
[[ "$(offered "$cli" pdf daily -o "$work/out/t")" == "$work/out/turno.pdf" ]] ||
  fail "the completion does not offer file names for -o"
echo "package ok"
