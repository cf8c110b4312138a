#!/usr/bin/env bash
# Installs what is missing, builds QX Ardentis with its tests and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset testing >/dev/null
cmake --build --preset testing -j"$(nproc)"
ctest --preset testing -j"$(nproc)"
# The Debian package installs with apt and the installed program starts.
bash scripts/check-deb.sh
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
# Each fuzz target for a bounded time (FUZZ_SECONDS, default 30) from its seed corpus.
bash scripts/fuzz.sh
