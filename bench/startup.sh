#!/usr/bin/env bash
# How fast QX Ardentis puts its window on screen, and how much memory it takes
# to get there, against a bare Qt Widgets window of the same size with the
# same kind of controls (bench/bare_window.cpp).
#
# Builds the bench preset, then on one virtual X display starts the two
# programs in turn (bare, Ardentis, bare, Ardentis ...) RUNS times each. Every
# start gets a fresh, empty set of per-user folders (HOME, XDG_CONFIG_HOME,
# XDG_CACHE_HOME, XDG_RUNTIME_DIR), as on a user's first start. bench/map_watch
# times each start from launch until the window is mapped, lets it paint for
# SETTLE_MS, kills it (QX Ardentis ends only through its farewell dialog) and
# reads its peak resident memory. With COLD=1 the page cache is dropped before
# every start (root only), as after a reboot. Prints the medians and the ratios
# Ardentis / bare, then lists the per-user files a second start of Ardentis
# opens (only its setting and its one-copy lock may appear). Exits non-zero
# when the time ratio is over LIMIT, the memory ratio over MEMORY_LIMIT, or
# another file is opened.
#
#   bash bench/startup.sh                  # RUNS=40 LIMIT=1.00 MEMORY_LIMIT=1.10 SETTLE_MS=300
#   RUNS=60 COLD=1 bash bench/startup.sh
#
# The runs are started at a raised priority where that is allowed (as root),
# so that other work on the machine disturbs the figures less.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-40}
LIMIT=${LIMIT:-1.00}
MEMORY_LIMIT=${MEMORY_LIMIT:-1.10}
COLD=${COLD:-0}
SETTLE_MS=${SETTLE_MS:-300}
build=build/bench

if [[ "${1:-}" != --measure ]]; then
    bash scripts/install-deps.sh bench
    cmake --preset bench >/dev/null
    cmake --build --preset bench -j"${JOBS:-$(nproc)}" --target ardentis bare_window map_watch >/dev/null
    priority=()
    nice -n -10 true 2>/dev/null && priority=(nice -n -10)
    # One X server for every start, so its own start-up is never measured; it
    # does not reset when a killed start was its last client (-noreset), which
    # would turn the next start away.
    exec "${priority[@]}" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" bash "$0" --measure
fi

bare=$build/bench/bare_window
ardentis=$build/ardentis
watch=$build/bench/map_watch
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

source bench/starts.sh

# One untimed start of each first: the libraries into the page cache.
start_once "$bare" /dev/null
start_once "$ardentis" /dev/null
for ((i = 1; i <= RUNS; i++)); do
    cold
    start_once "$bare" "$scratch/bare.txt"
    cold
    start_once "$ardentis" "$scratch/ardentis.txt"
done

status=0
awk -v runs="$RUNS" -v cold="$COLD" -v limit="$LIMIT" -v mlimit="$MEMORY_LIMIT" \
    -v bm="$(median "$scratch/bare.txt" 1)" -v bk="$(median "$scratch/bare.txt" 2)" \
    -v am="$(median "$scratch/ardentis.txt" 1)" -v ak="$(median "$scratch/ardentis.txt" 2)" 'BEGIN {
    printf "%d starts each%s, medians (launch to window mapped; peak resident memory)\n", runs, cold ? ", page cache dropped before each" : ""
    printf "  %-12s %8.1f ms %9d KiB\n", "bare window", bm, bk
    printf "  %-12s %8.1f ms %9d KiB\n", "QX Ardentis", am, ak
    tr = am / bm; mr = ak / bk
    printf "  ratio Ardentis/bare: time %.3f (target <= %s), memory %.3f (target <= %s)\n", tr, limit, mr, mlimit
    exit (tr <= limit && mr <= mlimit) ? 0 : 1
}' || status=1

# What a start reads of the user's own files: a first start records the
# reminder date, a second one is traced.
if command -v strace >/dev/null; then
    home=$(new_user)
    as_user "$home" "$watch" "$ardentis" >/dev/null
    as_user "$home" strace -f -qq -z -e trace=open,openat,creat -o "$scratch/trace" \
        "$watch" --settle "$SETTLE_MS" "$ardentis" >/dev/null
    opened=$(grep -v ENOENT "$scratch/trace" | grep -oE "\"$home/[^\"]*\"" | tr -d '"' | sed "s|^$home/|~/|" | sort -u)
    echo "per-user files a second start opens:"
    sed 's/^/  /' <<<"$opened"
    # The lock's .rmlock is Qt's, taken while it clears the lock the killed first start left.
    if grep -vxE '~/\.config/Ardentis/Ardentis\.conf|~/\.cache/Ardentis/ardentis\.lock(\.rmlock)?' <<<"$opened" >/dev/null; then
        echo "  more than the setting and the one-copy lock"
        status=1
    fi
    rm -rf "$home"
else
    echo "strace is not installed: the file check was skipped"
fi
exit "$status"
