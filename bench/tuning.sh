#!/usr/bin/env bash
# What a start-up tuning is worth: QX Ardentis built from two revisions, one
# with the tuning and one without it (usually a commit and its parent), each in
# a git worktree of its own under build/tuning, started in turn (with, without,
# with ...) RUNS times each on one virtual X display, every start for a new
# user as bench/startup.sh does. Prints the medians of the time until the
# window is mapped and of the peak memory, what the tuning saves with a 95%
# confidence interval (bootstrap of the medians), and whether it earns its
# place: a saving of at least 2 ms or 0.25 MiB whose interval lies wholly on
# the side of a saving. With COLD=1 the page cache is dropped before every
# start (root only), as after a reboot.
#
#   bash bench/tuning.sh WITH WITHOUT        # RUNS=60 SETTLE_MS=300 COLD=0
#   bash bench/tuning.sh abc123^ abc123      # what commit abc123 took out
#
# Run it on a machine not busy with other work.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-60}
SETTLE_MS=${SETTLE_MS:-300}
COLD=${COLD:-0}

if [[ "${1:-}" != --measure ]]; then
    (($# == 2)) || { echo "usage: $0 WITH-REVISION WITHOUT-REVISION" >&2; exit 2; }
    bash scripts/install-deps.sh bench
    # The watcher comes from this tree; each program from its own revision.
    cmake --preset bench >/dev/null
    cmake --build --preset bench -j"${JOBS:-$(nproc)}" --target map_watch >/dev/null
    programs=()
    for revision in "$1" "$2"; do
        commit=$(git rev-parse --verify "$revision^{commit}")
        tree=build/tuning/$commit
        [[ -d $tree ]] || git worktree add --detach "$tree" "$commit" >/dev/null
        (cd "$tree" && cmake --preset bench >/dev/null &&
            cmake --build --preset bench -j"${JOBS:-$(nproc)}" --target ardentis >/dev/null)
        programs+=("$PWD/$tree/build/bench/ardentis")
    done
    priority=()
    nice -n -10 true 2>/dev/null && priority=(nice -n -10)
    exec "${priority[@]}" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
        bash "$0" --measure "${programs[@]}" "$1" "$2"
fi

with=$2
without=$3
watch=build/bench/bench/map_watch
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source bench/starts.sh

start_once "$with" /dev/null  # the libraries into the page cache
start_once "$without" /dev/null
for ((i = 1; i <= RUNS; i++)); do
    cold
    start_once "$with" "$scratch/with.txt"
    cold
    start_once "$without" "$scratch/without.txt"
done
/usr/bin/python3 - "$scratch/with.txt" "$scratch/without.txt" "$4" "$5" "$RUNS" <<'EOF'
import random
import statistics
import sys

with_file, without_file, with_name, without_name, runs = sys.argv[1:6]
def load(path):
    with open(path) as f:
        return [tuple(float(x) for x in line.split()[:2]) for line in f if line.strip()]
tuned, plain = load(with_file), load(without_file)

def saving(column, scale):
    """Median without the tuning minus median with it, and its 95% interval."""
    a = [r[column] / scale for r in tuned]
    b = [r[column] / scale for r in plain]
    rng = random.Random(1)
    boot = sorted(statistics.median(rng.choices(b, k=len(b))) - statistics.median(rng.choices(a, k=len(a)))
                  for _ in range(2000))
    return statistics.median(a), statistics.median(b), statistics.median(b) - statistics.median(a), boot[50], boot[1949]

print(f"{runs} starts each, medians (launch to window mapped; peak resident memory)")
print(f"  with    ({with_name}) and without ({without_name})")
earns = []
for name, column, scale, unit, floor in (("time", 0, 1, "ms", 2.0), ("memory", 1, 1024, "MiB", 0.25)):
    on, off, saved, low, high = saving(column, scale)
    print(f"  {name:<7} with {on:8.2f} {unit}, without {off:8.2f} {unit}: saves {saved:+.2f} {unit} "
          f"[{low:+.2f}, {high:+.2f}]")
    if saved >= floor and low > 0:
        earns.append(name)
print("  earns its place: " + (" and ".join(earns) if earns else "no (under 2 ms and 0.25 MiB, or not shown)"))
EOF
