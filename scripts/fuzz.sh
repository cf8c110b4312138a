#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one for a
# bounded time, starting from its seed corpus in fuzz/corpus/<target>.
#   FUZZ_SECONDS  time per target in seconds (default 30)
#   FUZZ_TARGETS  which targets (default: all three)
# New inputs go to build/fuzz/corpus/<target>, never into the repository; a
# crashing input is kept in build/fuzz/artifacts/<target>/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
targets=(${FUZZ_TARGETS:-referral_address settings_codec settings_file sign_lookup})
build=build/fuzz

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DARDENTIS_BUILD_TESTS=OFF -DARDENTIS_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target ardentis_fuzz -j"${FUZZ_JOBS:-2}"

for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  log="$build/fuzz_$target.log"
  mkdir -p "$work" "$artifacts"
  echo "fuzz_$target: ${seconds} s from fuzz/corpus/$target"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -seed=1 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$target found a failing input: see $artifacts/" >&2
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "$log" || tail -n 3 "$log"
done
