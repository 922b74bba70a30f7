#!/usr/bin/env bash
# Measures kalvio-cli against `bc -l`:
#   1. process start to first answer for 2+3*4;
#   2. a batch of typical lines on standard input (history limit 30, the default).
# Usage: bench/cli_bench.sh [path to kalvio-cli] [number of lines]
# Needs hyperfine (apt-get install hyperfine) and bc.
set -euo pipefail

cli=${1:-"$(dirname "$0")/../build/kalvio-cli"}
lines=${2:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same expressions in both syntaxes: arithmetic, parentheses, powers, roots, sine, logarithm
# and exponential (radians, as bc computes them).
python3 - "$lines" "$work" <<'PYTHON'
import random, sys
count, folder = int(sys.argv[1]), sys.argv[2]
random.seed(20240611)
forms = [
    ("{a}+{b}*{c}", "{a}+{b}*{c}"),
    ("({a}-{b})/{c}", "({a}-{b})/{c}"),
    ("{a}.{b}*{c}.{d}-{e}", "{a}.{b}*{c}.{d}-{e}"),
    ("{c}^{d}+{a}", "{c}^{d}+{a}"),
    ("sqrt({a})*{c}", "sqrt({a})*{c}"),
    ("sin({a}/{b})+{c}", "s({a}/{b})+{c}"),
    ("ln({a})*{d}", "l({a})*{d}"),
    ("exp({c}/{d})-{b}", "e({c}/{d})-{b}"),
]
with open(f"{folder}/kalvio.txt", "w") as kalvio, open(f"{folder}/bc.txt", "w") as bc:
    for i in range(count):
        values = dict(a=random.randint(1, 999), b=random.randint(1, 99),
                      c=random.randint(1, 9), d=random.randint(1, 9), e=random.randint(1, 99))
        k, b = forms[i % len(forms)]
        kalvio.write(k.format(**values) + "\n")
        bc.write(b.format(**values) + "\n")
PYTHON

echo "== start to first answer: 2+3*4"
printf '2+3*4\nquit\n' > "$work/one.bc"
hyperfine --warmup 20 --runs 300 -N "$cli 2+3*4" "bc -lq $work/one.bc"

echo "== $lines typical lines on standard input"
hyperfine --warmup 2 --runs 10 --export-json "$work/batch.json" \
    "$cli --angle rad < $work/kalvio.txt > /dev/null" \
    "bc -l < $work/bc.txt > /dev/null"
python3 - "$work/batch.json" "$lines" <<'PYTHON'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
lines = int(sys.argv[2])
kalvio, bc = (r["mean"] for r in results)
print(f"kalvio-cli: {lines / kalvio:,.0f} lines/s; bc -l: {lines / bc:,.0f} lines/s; "
      f"kalvio-cli is {bc / kalvio:.1f}x faster")
PYTHON
