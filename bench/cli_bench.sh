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

# The same expressions in both syntaxes (radians, as bc computes them), in two mixes: "balanced"
# (arithmetic, parentheses, powers, a root, and one line in three with sine, logarithm or
# exponential) and "scientific" (a transcendental function on every line).
python3 - "$lines" "$work" <<'PYTHON'
import random, sys
count, folder = int(sys.argv[1]), sys.argv[2]
balanced = [
    ("{a}+{b}*{c}", "{a}+{b}*{c}"),
    ("({a}-{b})/{c}", "({a}-{b})/{c}"),
    ("{a}.{b}*{c}.{d}-{e}", "{a}.{b}*{c}.{d}-{e}"),
    ("{c}^{d}+{a}", "{c}^{d}+{a}"),
    ("sqrt({a})*{c}", "sqrt({a})*{c}"),
    ("sin({a}/{b})+{c}", "s({a}/{b})+{c}"),
    ("ln({a})*{d}", "l({a})*{d}"),
    ("exp({c}/{d})-{b}", "e({c}/{d})-{b}"),
]
scientific = [
    ("sin({a}/{b})*{c}", "s({a}/{b})*{c}"),
    ("cos({c}.{d})+{a}", "c({c}.{d})+{a}"),
    ("ln({a}.{b})/{c}", "l({a}.{b})/{c}"),
    ("exp({c}/{d})-{b}", "e({c}/{d})-{b}"),
]
for name, forms in (("balanced", balanced), ("scientific", scientific)):
    random.seed(20240611)
    with open(f"{folder}/{name}.kalvio", "w") as kalvio, open(f"{folder}/{name}.bc", "w") as bc:
        for i in range(count):
            values = dict(a=random.randint(1, 999), b=random.randint(1, 99),
                          c=random.randint(1, 9), d=random.randint(1, 9),
                          e=random.randint(1, 99))
            k, b = forms[i % len(forms)]
            kalvio.write(k.format(**values) + "\n")
            bc.write(b.format(**values) + "\n")
PYTHON

echo "== start to first answer: 2+3*4"
printf '2+3*4\nquit\n' > "$work/one.bc"
hyperfine --warmup 20 --runs 300 -N "$cli 2+3*4" "bc -lq $work/one.bc"

for mix in balanced scientific; do
    echo "== $lines typical lines on standard input ($mix mix)"
    hyperfine --warmup 2 --runs 10 --export-json "$work/$mix.json" \
        "$cli --angle rad < $work/$mix.kalvio > /dev/null" \
        "bc -l < $work/$mix.bc > /dev/null"
    # Wall time, and CPU time (user + system), which a busy machine disturbs less.
    python3 - "$work/$mix.json" "$lines" <<'PYTHON'
import json, sys
kalvio, bc = json.load(open(sys.argv[1]))["results"]
lines = int(sys.argv[2])
cpu = lambda r: r["user"] + r["system"]
print(f"kalvio-cli: {lines / kalvio['mean']:,.0f} lines/s ({lines / cpu(kalvio):,.0f} per CPU "
      f"second); bc -l: {lines / bc['mean']:,.0f} lines/s; kalvio-cli is "
      f"{bc['mean'] / kalvio['mean']:.1f}x faster ({cpu(bc) / cpu(kalvio):.1f}x in CPU time)")
PYTHON
done
