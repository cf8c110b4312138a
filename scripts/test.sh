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
