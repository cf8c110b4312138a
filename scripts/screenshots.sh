#!/usr/bin/env bash
# Takes screenshots of the four windows on a virtual X display at scale 1 and
# scale 2, into docs/screenshots/scale1 and docs/screenshots/scale2. The
# scale-1 set is the one the README shows; the scale-2 set is for checking by
# eye that no text is cut off on a high-density screen.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${ARDENTIS_SCREENSHOT_BUILD_DIR:-build/pkg-screenshots}"

bash scripts/install-deps.sh
cmake --preset testing -B "$build" >/dev/null
cmake --build "$build" --target ardentis_screenshots -j"$(nproc)"

for scale in 1 2; do
  out="docs/screenshots/scale$scale"
  rm -rf "$out"
  mkdir -p "$out"
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
    xvfb-run -a -s "-screen 0 2560x2048x24" "$build/tools/screenshots/ardentis_screenshots" "$out"
  for window in frmMain frmDisplay frmAbout frmNagScreen2; do
    [[ -s "$out/$window.png" ]] || { echo "missing $out/$window.png" >&2; exit 1; }
  done
  echo "scale $scale: $(ls "$out" | tr '\n' ' ')"
done
