#!/usr/bin/env bash
# What each start-up tuning (platform/Tuning.h) is worth: for each, QX Ardentis
# is started with all tunings on and with that one off (ARDENTIS_UNTUNED), in
# turn, RUNS times each, on one virtual X display, every start for a new user
# as bench/startup.sh does. Prints for each tuning the medians of the time
# until the window is mapped and of the peak memory, the difference it makes
# and a 95% confidence interval of that difference (bootstrap of the medians),
# and whether it shows: its interval lies wholly on the side of a saving.
#
#   bash bench/tuning.sh                   # RUNS=60 SETTLE_MS=300
#   TUNINGS="arena icon" bash bench/tuning.sh
#
# Run it on a machine not busy with other work.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-60}
SETTLE_MS=${SETTLE_MS:-300}
TUNINGS=${TUNINGS:-arena fontconfig icon}
build=build/bench

if [[ "${1:-}" != --measure ]]; then
    bash scripts/install-deps.sh bench
    cmake --preset bench >/dev/null
    cmake --build --preset bench -j"${JOBS:-$(nproc)}" --target ardentis map_watch >/dev/null
    priority=()
    nice -n -10 true 2>/dev/null && priority=(nice -n -10)
    exec "${priority[@]}" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --measure
fi

ardentis=$build/ardentis
watch=$build/bench/map_watch
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source bench/starts.sh

start_once "$ardentis" /dev/null  # the libraries into the page cache
printf '%d starts each; medians (launch to window mapped, peak resident memory)\n' "$RUNS"
printf '%-11s %18s %18s %30s %30s\n' tuning "all on" "this one off" "time it saves (95%)" "memory it saves (95%)"
for tuning in $TUNINGS; do
    : >"$scratch/on.txt"
    : >"$scratch/off.txt"
    for ((i = 1; i <= RUNS; i++)); do
        start_once "$ardentis" "$scratch/on.txt" env ARDENTIS_UNTUNED=
        start_once "$ardentis" "$scratch/off.txt" env ARDENTIS_UNTUNED="$tuning"
    done
    /usr/bin/python3 - "$tuning" "$scratch/on.txt" "$scratch/off.txt" <<'EOF'
import random
import statistics
import sys

name, on_file, off_file = sys.argv[1:4]
def load(path):
    with open(path) as f:
        return [tuple(float(x) for x in line.split()[:2]) for line in f if line.strip()]
on, off = load(on_file), load(off_file)

def saving(column):
    """Median of the untuned starts minus the median of the tuned ones, and its 95% interval."""
    a = [r[column] for r in on]
    b = [r[column] for r in off]
    rng = random.Random(1)
    boot = sorted(statistics.median(rng.choices(b, k=len(b))) - statistics.median(rng.choices(a, k=len(a)))
                  for _ in range(2000))
    return statistics.median(a), statistics.median(b), statistics.median(b) - statistics.median(a), boot[50], boot[1949]

t = saving(0)
m = saving(1)
shows = []
if t[3] > 0:
    shows.append("time")
if m[3] > 0:
    shows.append("memory")
print(f"{name:<11} {t[0]:7.1f} ms {m[0]/1024:6.2f} MiB {t[1]:7.1f} ms {m[1]/1024:6.2f} MiB "
      f"{t[2]:+7.2f} ms [{t[3]:+6.2f}, {t[4]:+6.2f}] {m[2]/1024:+7.3f} MiB [{m[3]/1024:+6.3f}, {m[4]/1024:+6.3f}]"
      f"  {'shows: ' + ' and '.join(shows) if shows else 'does not show'}")
EOF
done
