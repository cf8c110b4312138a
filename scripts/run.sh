#!/usr/bin/env bash
# Installs what building and running needs, builds QX Ardentis (release
# build in build/release) and starts it on this display. Without a display it
# stops after the build and says how to start the program on one.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"

program="$PWD/build/release/ardentis"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "QX Ardentis is built, but there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Start $program from a terminal of a desktop session (or ssh -X), or run this script again from there." >&2
  exit 1
fi
exec "$program"
