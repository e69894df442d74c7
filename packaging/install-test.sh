#!/usr/bin/env bash
# Installs the built program into an empty folder and checks what a person
# would get: the program folder's files, a desktop entry that validates and
# starts the installed program, a companion that finds the archives beside
# itself, and a second install that keeps the password the users chose; then
# an install under a system prefix, with a shared program folder.
#   packaging/install-test.sh BUILD
set -euo pipefail
build="$1"
data="$(cd "$(dirname "$0")/../tests/data" && pwd)"
dir="$(mktemp -d)/Velmora con spazi"
trap 'rm -rf "$(dirname "$dir")"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$dir" >/dev/null
for f in velmora velmora-cli unins000.dll Guida.pdf translations/qtbase_it.qm \
  share/applications/velmora.desktop share/icons/hicolor/scalable/apps/velmora.svg \
  share/man/man1/velmora.1.gz share/man/man1/velmora-cli.1.gz \
  share/bash-completion/completions/velmora-cli; do
  [[ -f "$dir/$f" ]] || fail "$f is not installed"
done
# A folder of its own: it keeps the data, and the prefix has no bin/.
[[ ! -e "$dir/shared-program-folder" && ! -e "$dir/bin" ]] ||
  fail "a folder of its own is laid out as a shared one"
[[ -x "$dir/velmora" && -x "$dir/velmora-cli" ]] || fail "the programs are not executable"

entry="$dir/share/applications/velmora.desktop"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
grep -qxF "Exec=\"$dir/velmora\"" "$entry" || fail "Exec does not name the installed program"
grep -qxF "Icon=$dir/share/icons/hicolor/scalable/apps/velmora.svg" "$entry" ||
  fail "Icon does not name the installed icon"

# The companion reads the archives of its own folder.
cp "$data/Orari.pro" "$dir/"
"$dir/velmora-cli" verify Orari.pro >/dev/null || fail "the installed companion cannot read its folder"

# Installing again (an update) leaves the users' password alone.
printf '[Accesso]\nValore=00\n' >"$dir/unins000.dll"
cmake --install "$build" --prefix "$dir" >/dev/null
grep -qx 'Valore=00' "$dir/unins000.dll" || fail "a second install replaced the password store"
[[ -f "$dir/Orari.pro" ]] || fail "a second install removed an archive"

# Under /usr/local the program folder is lib/velmora, shared, with the
# commands linked into bin/.
stage="$(dirname "$dir")/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr/local >/dev/null
system="$stage/usr/local"
for f in lib/velmora/velmora lib/velmora/unins000.dll lib/velmora/shared-program-folder \
  share/man/man1/velmora-cli.1.gz; do
  [[ -f "$system/$f" ]] || fail "$f is not installed under /usr/local"
done
for program in velmora velmora-cli; do
  [[ "$(readlink "$system/bin/$program")" == "../lib/velmora/$program" ]] ||
    fail "bin/$program is not a link to the program folder"
done
grep -qxF 'Exec="/usr/local/lib/velmora/velmora"' "$system/share/applications/velmora.desktop" ||
  fail "the desktop entry does not name /usr/local/lib/velmora/velmora"
"$system/bin/velmora-cli" --help >/dev/null || fail "the linked companion does not start"
echo "install ok"
