#!/usr/bin/env bash
# Installs the built program into an empty folder and checks what a person
# would get: the program folder's files, a desktop entry that validates and
# starts the installed program, a companion that finds the archives beside
# itself, and a second install that keeps the password the users chose.
#   packaging/install-test.sh BUILD
set -euo pipefail
build="$1"
data="$(cd "$(dirname "$0")/../tests/data" && pwd)"
dir="$(mktemp -d)/Velmora con spazi"
trap 'rm -rf "$(dirname "$dir")"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$dir" >/dev/null
for f in velmora velmora-cli unins000.dll Guida.pdf translations/qtbase_it.qm \
  share/applications/velmora.desktop share/icons/hicolor/scalable/apps/velmora.svg; do
  [[ -f "$dir/$f" ]] || fail "$f is not installed"
done
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
echo "install ok"
