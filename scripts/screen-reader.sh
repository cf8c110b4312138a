#!/usr/bin/env bash
# What a blind user hears: QX Ardentis on a virtual display under a window
# manager (openbox), with Debian's screen reader Orca listening on the
# accessibility bus, driven by the keyboard alone. Orca's debug log holds every
# line it speaks ("SPEECH OUTPUT"); each step below is matched by its time with
# what Orca said during it. Each step is judged by what matters in what was
# said, the names, values, sign and reading, not by the words an Orca version
# has for a role ("push button" in Orca 43, "button" in 48). Prints PASS or
# FAIL for each step and exits non-zero if any failed. Run as root on Debian 12
# or 13, on a machine not busy with other work (each step waits STEP_SECONDS,
# default 2.5, for Orca to speak); installs Orca and openbox.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --inside ]]; then
  bash scripts/install-deps.sh reader
  cmake --preset release >/dev/null
  cmake --build --preset release -j"$(nproc)"

  scratch="$(mktemp -d)"
  xvfb_pid=""
  cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
  }
  trap cleanup EXIT
  mkdir -m 700 "$scratch/home" "$scratch/runtime"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [[ -s "$scratch/display" ]] && break; sleep 0.1; done
  # A home, settings and runtime folder of its own; a bus of its own.
  DISPLAY=":$(cat "$scratch/display")" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
    XDG_CONFIG_HOME="$scratch/home/.config" XDG_CACHE_HOME="$scratch/home/.cache" \
    dbus-run-session -- bash "$0" --inside "$(realpath build/release/ardentis)" "$scratch"
  exit
fi

exe="$2"
scratch="$3"
log="$scratch/orca.log"
steps="$scratch/steps"
caption='QX Ardentis v1.25'

openbox >/dev/null 2>&1 &
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
orca --replace --debug-file="$log" >/dev/null 2>&1 &
orca_pid=$!
# Orca switches the desktop's accessibility on early in its start, and
# listens some seconds later.
enabled() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Get \
    string:org.a11y.Status string:IsEnabled 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 120); do enabled && break; sleep 0.5; done
sleep 8

# begin NAME EXPECTED...: records when a step begins and what Orca should
# say during it: each phrase at least once, or, written once:PHRASE, exactly
# once (a list's name, which a reader must not say twice).
begin() {
  local name="$1"
  shift
  printf '%s\t%s\t%s\n' "$(date +%T.%N)" "$name" "$(IFS='|'; echo "$*")" >>"$steps"
}

# step [--long] NAME EXPECTED... -- KEYS...: presses the keys and waits while
# Orca speaks; --long, twice as long, for a step that hears a whole reading.
step() {
  local wait="${STEP_SECONDS:-2.5}"
  if [[ "$1" == --long ]]; then
    wait="$(awk -v s="$wait" 'BEGIN { print 2 * s }')"
    shift
  fi
  local name="$1"
  shift
  local expected=()
  while [[ "$1" != -- ]]; do expected+=("$1"); shift; done
  shift
  begin "$name" "${expected[@]}"
  xdotool key --delay 100 "$@"
  sleep "$wait"
}

begin "the entry window comes up" "$caption" "Name"
"$exe" >"$scratch/program.out" 2>&1 &
program_pid=$!
xdotool search --sync --name "^$caption\$" >/dev/null
sleep 3
begin "typing the name"
xdotool type --delay 100 ada
step "Tab to the day list" "once:Date" "1" -- Tab
step "Down in the day list" "2" -- Down
step "Tab to the month list" "once:Month" "January" -- Tab
step "Down in the month list" "February" -- Down
step "Tab to the year list" "once:Year" "1930" -- Tab
step "Down in the year list" "1931" -- Down
# 2 February 1931: Pallas stood in Virgo.
step --long "Find: the sign, then its reading" "$caption" "Virgo. You will be able to go into the depth" "Exit" -- alt+a
step "Back to the entry window" "once:Year" "1931" -- alt+b
step "Down in the year list again" "1932" -- Down
# 2 February 1932: Pallas stood in Sagittarius.
step --long "Find again: the new sign" "Sagittarius. You will be good at" -- alt+a
step "Exit: the farewell dialog" "$caption" "Exit" -- Escape
step "Tab to the visit button" "Click Here To Visit Zentrova Now" -- Tab
step "Tab to the sender's name" "Your Name" -- Tab
step "Tab to the refer button" "Refer A Friend Now" -- Tab
step "Tab to the sender's address" "Your Email Address" -- Tab
step "Tab to the friend's address" "Friend's Email Address" -- Tab
step "Tab to the friend's name" "Friend's Name" -- Tab
step "Tab to the message" "Your Message" -- Tab
printf '%s\tend\t\n' "$(date +%T.%N)" >>"$steps"
xdotool key alt+x
for _ in $(seq 20); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.5; done
failed=0
if kill "$program_pid" 2>/dev/null; then
  echo "FAIL: the farewell dialog's Exit did not end the program"
  failed=1
fi
wait "$program_pid" 2>/dev/null || true
# Orca writes its log in blocks: read it once Orca has ended.
kill "$orca_pid" 2>/dev/null || true
wait "$orca_pid" 2>/dev/null || true
[[ -z "${KEEP_ORCA_LOG:-}" ]] || cp "$log" "$KEEP_ORCA_LOG"

seconds() { awk -F: '{ printf "%.6f\n", $1 * 3600 + $2 * 60 + $3 }' <<<"$1"; }
grep -a 'SPEECH OUTPUT:' "$log" | sed -E "s/^([0-9:.]+) - SPEECH OUTPUT: '(.*)' ?\[?\{.*$/\1\t\2/" >"$scratch/spoken"
mapfile -t lines <"$steps"
for ((i = 0; i + 1 < ${#lines[@]}; i++)); do
  IFS=$'\t' read -r from name expected <<<"${lines[i]}"
  IFS=$'\t' read -r to _ _ <<<"${lines[i + 1]}"
  heard="$(awk -F'\t' -v from="$(seconds "$from")" -v to="$(seconds "$to")" '{
      split($1, t, ":"); at = t[1] * 3600 + t[2] * 60 + t[3]
      if (at >= from && at < to) printf "%s ", $2 }' "$scratch/spoken")"
  verdict=PASS
  IFS='|' read -ra wanted <<<"$expected"
  for phrase in "${wanted[@]}"; do
    if [[ "$phrase" == once:* ]]; then
      (($(grep -owF -- "${phrase#once:}" <<<"$heard" | wc -l) == 1)) || verdict=FAIL
    else
      [[ "$heard" == *"$phrase"* ]] || verdict=FAIL
    fi
  done
  [[ $verdict == PASS ]] || failed=1
  printf '%s: %s: heard "%s"\n' "$verdict" "$name" "${heard% }"
done
exit "$failed"
