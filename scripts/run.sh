#!/usr/bin/env bash
# Installs what is missing, builds QX Ardentis and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display here: starting QX Ardentis on a virtual one (xvfb-run)."
  exec xvfb-run -a build/release/ardentis
fi
exec build/release/ardentis
