#!/bin/sh
# Start-up and memory of the calculator window against a bare Qt 6 window (one line edit, one
# label), side by side under one Xvfb: the time from process start to the first painted window
# (median of N alternating runs, in wall-clock time and in the processor time the process used
# until then, which a busy machine disturbs less), and the resident memory 2 s after start.
# Usage, after a build: bench/ui_startup.sh [N]
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}
probes=build/bench/ui
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>/dev/null &
server=$!
while [ ! -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

first_paint() { "$@" 2>/dev/null | awk '/first-paint-ms/ { print $2, $4 }'; }

# One warm-up run each, so that both start from the same file cache.
first_paint "$probes/bare_window_probe" >/dev/null
first_paint "$probes/kalvio_startup_probe" --settings "$work/Kalvio.ini" >/dev/null
: >"$work/times"
i=0
while [ "$i" -lt "$runs" ]; do
    bare=$(first_paint "$probes/bare_window_probe")
    kalvio=$(first_paint "$probes/kalvio_startup_probe" --settings "$work/Kalvio.ini")
    echo "$bare $kalvio" >>"$work/times"
    i=$((i + 1))
done

resident_mib() {
    "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 2
    awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
bare_rss=$(resident_mib "$probes/bare_window_probe" --stay)
kalvio_rss=$(resident_mib build/kalvio --settings "$work/Kalvio.ini")

python3 - "$work/times" "$bare_rss" "$kalvio_rss" <<'PY'
import statistics, sys
rows = [tuple(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
for column, what in ((0, "wall-clock"), (1, "processor time")):
    bare = statistics.median(r[column] for r in rows)
    kalvio = statistics.median(r[column + 2] for r in rows)
    print(f"first paint, {what}, median of {len(rows)}: bare Qt window {bare:.1f} ms,"
          f" Kalvio {kalvio:.1f} ms, ratio {kalvio / bare:.2f} (limit 1.25)")
print(f"resident memory after 2 s: bare Qt window {sys.argv[2]} MiB, Kalvio {sys.argv[3]} MiB"
      " (limit 50)")
PY
