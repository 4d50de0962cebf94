#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target cambist
exec build/default/app/cambist "$@"
