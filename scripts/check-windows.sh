#!/usr/bin/env bash
# Compiles the archive code that Windows builds (the shared bodies and the
# Windows files) for Windows in syntax-only mode: mingw-w64's g++ with the
# Windows system headers and the host's Qt headers (Qt's interface is the
# same on both systems). Nothing is linked or run, so this proves that the
# code builds, not that it works.
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
for source in src/archive/RecordArchive.cpp src/archive/RecordArchive_win.cpp \
  src/archive/AtomicSave.cpp src/archive/AtomicSave_win.cpp; do
  x86_64-w64-mingw32-g++-posix -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror \
    -Isrc -isystem "$qt" -isystem "$qt/QtCore" "$source"
  echo "windows syntax ok: $source"
done
