#!/usr/bin/env bash
# Installs the Debian packages Velmora needs, asking apt only when something
# is actually missing.
#   scripts/install-deps.sh          what building and running the program needs
#   scripts/install-deps.sh package  that, plus what making the Debian package needs
#   scripts/install-deps.sh test     that, plus what the tests, the fuzz targets,
#                                    the Windows check and CI use
set -euo pipefail

# Building and running the program (and writing its manual).
run_packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-translations-l10n libqt6svg6
  fonts-liberation fonts-dejavu-core adwaita-icon-theme
)

# The Debian package: dpkg-shlibdeps finds its dependencies.
package_packages=(dpkg-dev)

# The test suite, the benchmarks, the fuzz targets, the Windows check and CI.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils clang-format
  python3-icalendar
  desktop-file-utils
  # The package's test: Debian's checker, the manual page reader, the shell
  # completion library the completion script is written for.
  lintian man-db bash-completion
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  # LibreOffice Calc, which reads the exported spreadsheets back in a test;
  # a desktop's own Calc (which the headless one would replace) does as well.
  "libreoffice-calc-nogui|libreoffice-calc"
)

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

# An entry "a|b" is met by either package; the first is installed if neither is.
installed() {
  [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true) == "install ok installed" ]]
}
missing=()
for entry in "${packages[@]}"; do
  IFS='|' read -ra choices <<<"$entry"
  met=""
  for p in "${choices[@]}"; do
    if installed "$p"; then met=1; break; fi
  done
  [[ -n "$met" ]] || missing+=("${choices[0]}")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
