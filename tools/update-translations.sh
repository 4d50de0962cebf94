#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in the sources (Qt
# Linguist's lupdate). Translate the new entries with Qt Linguist or by hand;
# the build compiles the .ts files with lrelease.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
lupdate=$(command -v lupdate-qt6 || echo /usr/lib/qt6/bin/lupdate)
# Tape lines are written in core/, which knows no Qt; CAMBIST_TAPE_TEXT marks
# them there as QT_TR_NOOP does.
"$lupdate" -silent -locations none -no-obsolete -tr-function-alias QT_TR_NOOP+=CAMBIST_TAPE_TEXT \
    app core -ts translations/cambist_de.ts
