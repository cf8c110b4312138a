# Shared by bench/startup.sh and bench/tuning.sh: starting a program the way a
# new user would, timed by bench/map_watch. Sourced, not run.

# Runs a command as a user whose per-user folders are all under $1.
as_user() {
    local home=$1
    shift
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime "$@"
}

# A new user's home under $scratch, with an empty runtime folder.
new_user() {
    local home
    home=$(mktemp -d "$scratch/home.XXXXXX")
    mkdir -m 700 "$home/runtime"
    echo "$home"
}

# Starts one program for a new user; appends "ms KiB cpu-ms" to the file $2.
# Further arguments go before the program, as in `env NAME=VALUE`.
start_once() {
    local program=$1 results=$2 home
    shift 2
    home=$(new_user)
    as_user "$home" "$@" "$watch" --settle "$SETTLE_MS" "$program" >>"$results"
    rm -rf "$home"
}

median() {  # of column $2 of file $1
    sort -n -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Drops the page cache when COLD=1 (as root), as after a reboot.
cold() {
    ((${COLD:-0} == 0)) || { sync && echo 3 >/proc/sys/vm/drop_caches; }
}
