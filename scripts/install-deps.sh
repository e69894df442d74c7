#!/usr/bin/env bash
# Installs the Debian packages Velmora needs, asking apt only when something
# is actually missing.
#   scripts/install-deps.sh        what building and running the program needs
#   scripts/install-deps.sh test   that, plus what the tests, the fuzz targets,
#                                  the Windows check and CI use
set -euo pipefail

# Building and running the program (and writing its manual).
run_packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-translations-l10n libqt6svg6
  fonts-liberation fonts-dejavu-core adwaita-icon-theme
)

# The test suite, the benchmarks, the fuzz targets, the Windows check and CI.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils clang-format
  python3-icalendar
  desktop-file-utils
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
)

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

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
