#!/usr/bin/env bash
# cambist-keys from the outside: its arguments, standard input, --trace,
# --tape and the complaint about an unknown key.
set -u
keys=$1
failures=0

expect() {  # expect NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

startup='main: 0
memory: 0
answer: 0
pv: 0
n: 0
pmt: 0
fv: 0
iy: 0
year: 0
rows: 0
selected: -1
enabled: buttonPV buttonFV buttonFVQ buttonPMT
beeps: 0'
expect "start-up state" "$startup" "$("$keys")"
expect "start-up state from empty input" "$startup" "$("$keys" </dev/null)"

expect "precedence" "main: 14 answer: 14" \
    "$("$keys" 2 + 3 '*' 4 = | grep -E '^(main|answer):' | tr '\n' ' ' | sed 's/ $//')"
expect "keys from standard input" "main: 14" "$(echo '2 + 3 * 4 =' | "$keys" | head -1)"
expect "division by zero" "main: - E -" "$("$keys" 5 / 0 = | head -1)"
expect "present value" "pv: 772.173493" \
    "$("$keys" 10 setN 5 setIY 100 negate setPMT 0 setFV calcPV | grep '^pv:')"
expect "cash flows" "pv: 63.785151 iy: 7.713847" \
    "$("$keys" toggleSimpleComplex 1000 negate addCashFlow 4 setN 300 addCashFlow 5 setIY calcPV calcIY |
        grep -E '^(pv|iy):' | tr '\n' ' ' | sed 's/ $//')"
expect "rows and selection" "rows: 2 row 0: 0 100 row 1: 1 -50.5 selected: 1 enabled: buttonCFY buttonNCFY buttonY" \
    "$("$keys" toggleSimpleComplex 100 addCashFlow 50.5 negate addCashFlow |
        grep -E '^(row|selected|enabled)' | tr '\n' ' ' | sed 's/ $//')"

trace=$("$keys" --trace 12.5 allClear)
expect "trace headers" "> 1 > 2 > . > 5 > allClear" "$(grep '^>' <<<"$trace" | tr '\n' ' ' | sed 's/ $//')"
expect "trace displays" "main: 1 main: 12 main: 12. main: 12.5 main: 0" \
    "$(grep '^main:' <<<"$trace" | tr '\n' ' ' | sed 's/ $//')"
expect "names without Pressed" "$("$keys" 3 sqrtPressed negatePressed)" "$("$keys" 3 sqrt negate)"

expect "--tape leaves the report as it was" "$("$keys" 2 + 3 '*' 4 =)" \
    "$("$keys" --tape 2 + 3 '*' 4 = | grep -v -E '^(expression|tape [0-9]+):')"
expect "--tape adds the expression line and the tape" "expression: 2 + 3 × 4 = tape 1: 2 + 3 × 4 = 14 tape 2: M+ 14 → M = 14" \
    "$("$keys" --tape 2 + 3 '*' 4 = memoryAdd | tail -3 | tr '\n' ' ' | sed 's/ $//')"
expect "--trace --tape: the line after each key" "expression:  expression: 2 + expression: 2 + 3" \
    "$("$keys" --trace --tape 2 + 3 | grep '^expression:' | tr '\n' ' ' | sed 's/ $//')"

out=$("$keys" 1 + bogus 2 2>/tmp/cambist-keys-err.$$); status=$?
expect "unknown key exits 2" "2" "$status"
expect "unknown key prints nothing" "" "$out"
expect "unknown key names it" "1" "$(grep -c bogus /tmp/cambist-keys-err.$$)"
rm -f /tmp/cambist-keys-err.$$

if [ "$failures" -eq 0 ]; then echo "key driver: all checks passed"; fi
exit "$failures"
