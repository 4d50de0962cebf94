#!/usr/bin/env bash
# Installs what is missing, builds the calculator and its key driver, and
# starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
# A window needs a display; say so before any work is done. (An explicit
# QT_QPA_PLATFORM, such as offscreen, needs none.)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
    exit 1
fi
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target cambist cambist-keys
exec build/default/app/cambist "$@"
