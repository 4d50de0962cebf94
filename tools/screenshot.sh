#!/usr/bin/env bash
# Regenerates the README's pictures from the real window (offscreen platform):
# docs/screenshot.png, with the tape open, the cash-flow example (an outlay of
# 1000, four returns of 300, the NPV at 5 % and the IRR), then 2 + 3 × 4 being
# typed; and one picture of each worksheet, docs/worksheet-*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target cambist-screenshot cambist_npv_chart >/dev/null
mkdir -p docs
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export CAMBIST_PLUGIN_DIR=$PWD/build/default/app
shot=build/default/tools/cambist-screenshot
loan="360 setN 0.5 setIY 200000 setPV 0 setFV 1199.10105034 negate setPMT"
"$shot" docs/screenshot.png --tape \
    toggleSimpleComplex 1000 negate addCashFlow 4 setN 300 addCashFlow 5 setIY calcPV calcIY \
    2 + 3 '*' 4 2>/dev/null
"$shot" docs/worksheet-tvm.png --sheet tvm $loan 2>/dev/null
"$shot" docs/worksheet-amortization.png --sheet amortization $loan 2>/dev/null
"$shot" docs/worksheet-npv.png --sheet npv \
    toggleSimpleComplex 100 negate addCashFlow 270 addCashFlow 176 negate addCashFlow 2>/dev/null
echo "wrote docs/screenshot.png and docs/worksheet-*.png"
