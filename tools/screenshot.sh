#!/usr/bin/env bash
# Regenerates docs/screenshot.png from the real window (offscreen platform),
# with the tape open: the cash-flow example (an outlay of 1000, four returns
# of 300, the NPV at 5 % and the IRR), then 2 + 3 × 4 being typed.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target cambist-screenshot >/dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} \
    build/default/tools/cambist-screenshot docs/screenshot.png --tape \
    toggleSimpleComplex 1000 negate addCashFlow 4 setN 300 addCashFlow 5 setIY calcPV calcIY \
    2 + 3 '*' 4 2>/dev/null
echo "wrote docs/screenshot.png"
