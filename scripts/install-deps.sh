#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# asking apt only when something is actually missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-translations-l10n libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core adwaita-icon-theme
  poppler-utils clang-format
  python3-icalendar
  desktop-file-utils
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
