#!/usr/bin/env bash
# The deeper check: every test under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the key-sequence fuzzer for a bounded
# time (FUZZ_SECONDS, default 120) from the seed corpus. Fails on any test
# failure, sanitizer report, crash or broken invariant.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --deep

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/fuzz.log"
# New inputs go to the scratch folder; the committed corpus is only read.
# A crash input is written to build/fuzz/ as crash-*: copy it into
# tests/fuzz/corpus, and the ordinary tests replay it from then on.
if ! build/fuzz/tests/fuzz/cambist_key_fuzzer -max_total_time="${FUZZ_SECONDS:-120}" \
        -print_final_stats=1 -artifact_prefix=build/fuzz/ "$work" tests/fuzz/corpus >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "deep-check: the fuzzer found a fault (input saved under build/fuzz/)" >&2
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added|key presses executed)' "$log"
echo "deep-check: sanitizer tests and fuzzing passed"
