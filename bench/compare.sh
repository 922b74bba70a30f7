#!/usr/bin/env bash
# Times kalvio-cli (double and decimal mode) against bc and qalc on one corpus of 20,000
# arithmetic expressions that all three evaluate, checks that they agree, and prints the ratios.
#
#   bench/compare.sh [COUNT]        (default 20000)
#
# Installs the Debian packages bc and qalc when they are missing and builds kalvio-cli with the
# default preset. The corpus uses only what every tool reads alike: positive literals with up to
# three decimals, + - * and /, a divisor that is always a non-zero literal, squares of
# parenthesised terms, and parentheses nested up to three deep, so that no decimal result needs
# more than the 64 digits the decimal mode holds.
set -eu
cd "$(dirname "$0")/.."
count=${1:-20000}

./scripts/install-deps.sh bc qalc

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target kalvio-cli >/dev/null
cli=build/kalvio-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v count="$count" '
function number(    whole, places) {
    whole = int(rand() * 1000) + 1
    places = int(rand() * 4)
    if (places == 0) return whole
    return whole "." sprintf("%0" places "d", int(rand() * 10 ^ places))
}
function term(depth,    choice) {
    choice = rand()
    if (depth == 0 || choice < 0.35) return number()
    if (choice < 0.45) return "(" term(depth - 1) ")^2"
    if (choice < 0.6) return "(" term(depth - 1) "/" number() ")"
    if (choice < 0.8) return "(" term(depth - 1) "+" term(depth - 1) ")"
    if (choice < 0.9) return "(" term(depth - 1) "-" term(depth - 1) ")"
    return "(" term(depth - 1) "*" term(depth - 1) ")"
}
BEGIN {
    srand(20240611)
    for (i = 0; i < count; i++) print term(3) "+" term(2) "-" number()
}' > "$work/corpus.txt"

# bc needs its scale first; qalc reads one expression per line.
{ echo "scale=20"; cat "$work/corpus.txt"; } > "$work/corpus.bc"

# Wall-clock and processor seconds (user + system, children included) of one command: qalc
# sleeps while it waits for its own calculation thread, so the two differ a lot for it.
measure() {
    local TIMEFORMAT='%R %U %S'
    local wall user system
    read -r wall user system < <({ time "$@" >/dev/null 2>&1; } 2>&1)
    echo "$wall $(echo "$user + $system" | bc -l)"
}

m_double=$(measure sh -c "\"$cli\" < \"$work/corpus.txt\" > \"$work/double.out\"")
m_bcd=$(measure sh -c "\"$cli\" --bcd < \"$work/corpus.txt\" > \"$work/bcd.out\"")
m_bc=$(measure sh -c "BC_LINE_LENGTH=0 bc -q < \"$work/corpus.bc\" > \"$work/bc.out\"")
m_qalc=$(measure sh -c "qalc -t -f \"$work/corpus.txt\" > \"$work/qalc.out\" 2>&1")

# Every tool must have answered every expression, and the answers must agree to 8 digits (qalc
# writes a negative value with the minus sign U+2212). The decimal mode cuts every quotient after
# its 10th decimal place, so a small quotient keeps fewer digits: it must agree to 4.
agree=$(awk '
FNR == 1 { file++ }
{ gsub(/\342\210\222/, "-"); gsub(/[^-0-9.eE+]/, ""); value[file, FNR] = $0; lines[file] = FNR }
END {
    for (f = 2; f <= file; f++) if (lines[f] != lines[1]) { print "count " f; exit }
    bad = 0
    for (i = 1; i <= lines[1]; i++) {
        reference = value[3, i] + 0
        for (f = 1; f <= file; f++) {
            difference = value[f, i] - reference
            if (difference < 0) difference = -difference
            scale = reference < 0 ? -reference : reference
            tolerance = f == 2 ? 1e-4 : 1e-8
            if (value[f, i] == "" || difference > tolerance * (scale > 1 ? scale : 1)) bad++
        }
    }
    print bad
}' "$work/double.out" "$work/bcd.out" "$work/bc.out" "$work/qalc.out")

echo "Corpus: $count expressions (kalvio-cli types each as a keyboard would, then Enter)"
printf '%-18s %9s %11s %14s %9s %14s\n' tool "wall s" "expr/s" "wall / kalvio" "CPU s" "CPU / kalvio"
read -r wall_double cpu_double <<<"$m_double"
for row in "kalvio-cli:$m_double" "kalvio-cli --bcd:$m_bcd" "bc:$m_bc" "qalc:$m_qalc"; do
    name=${row%%:*}
    read -r wall cpu <<<"${row#*:}"
    printf '%-18s %9.3f %11.0f %14.2f %9.3f %14.2f\n' "$name" "$wall" \
        "$(echo "$count / $wall" | bc -l)" "$(echo "$wall / $wall_double" | bc -l)" "$cpu" \
        "$(echo "$cpu / $cpu_double" | bc -l)"
done
if [ "$agree" != 0 ]; then
    echo "The tools disagree on $agree answers (or answered a different number of lines)" >&2
    exit 1
fi
echo "All four agree on every answer (8 significant digits, 4 for the decimal mode)."
