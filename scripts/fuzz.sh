#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one for a
# bounded time, starting from its seed corpus in fuzz/corpus/<target>.
#   FUZZ_SECONDS  time per target in seconds (default 30)
#   FUZZ_TARGETS  which targets (default: all four)
#   FUZZ_JOBS     how many targets run at once, each on a core of its own
#                 (default: the number of cores); also the build's jobs
# New inputs go to build/fuzz/corpus/<target>, never into the repository; a
# crashing input is kept in build/fuzz/artifacts/<target>/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
read -r -a targets <<<"${FUZZ_TARGETS:-referral_address settings_codec settings_file sign_lookup}"
parallel="${FUZZ_JOBS:-$(nproc)}"
build=build/fuzz

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=OFF -DARDENTIS_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target ardentis_fuzz -j"$parallel"

# Up to $parallel targets at a time, each writing its own log; libFuzzer ends
# a run that found nothing with "Done N runs", and one that found a failing
# input without it.
export build seconds
rm -f "$build"/fuzz_*.log
printf '%s\n' "${targets[@]}" | xargs -P "$parallel" -I{} bash -c '
  mkdir -p "$build/corpus/$1" "$build/artifacts/$1"
  echo "fuzz_$1: $seconds s from fuzz/corpus/$1"
  "$build/fuzz/fuzz_$1" -max_total_time="$seconds" -seed=1 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$1/" "$build/corpus/$1" "fuzz/corpus/$1" >"$build/fuzz_$1.log" 2>&1' fuzz {} || true
failed=0
for target in "${targets[@]}"; do
  log="$build/fuzz_$target.log"
  if done="$(grep -E '^Done [0-9]+ runs' "$log")"; then
    echo "fuzz_$target: $done"
  else
    tail -n 40 "$log"
    echo "fuzz_$target found a failing input: see $build/artifacts/$target/" >&2
    failed=1
  fi
done
exit "$failed"
