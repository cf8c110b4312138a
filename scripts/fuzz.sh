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

fuzz() {
  local target="$1" work="$build/corpus/$1" artifacts="$build/artifacts/$1"
  mkdir -p "$work" "$artifacts"
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -seed=1 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$build/fuzz_$target.log" 2>&1
}

# Up to $parallel targets at a time; the results in the order of the targets.
pids=()
for i in "${!targets[@]}"; do
  while (($(jobs -rp | wc -l) >= parallel)); do
    wait -n || true
  done
  echo "fuzz_${targets[i]}: ${seconds} s from fuzz/corpus/${targets[i]}"
  fuzz "${targets[i]}" &
  pids[i]=$!
done
failed=0
for i in "${!targets[@]}"; do
  target="${targets[i]}"
  log="$build/fuzz_$target.log"
  if wait "${pids[i]}"; then
    echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$log" || tail -n 1 "$log")"
  else
    tail -n 40 "$log"
    echo "fuzz_$target found a failing input: see $build/artifacts/$target/" >&2
    failed=1
  fi
done
exit "$failed"
