#!/usr/bin/env bash
# Takes screenshots of the four windows on a virtual X display at scale 1 and
# scale 2, into docs/screenshots/scale1 and docs/screenshots/scale2, and at
# scale 1 under a dark desktop palette into docs/screenshots/dark. The
# scale-1 and dark sets are the ones the documents show; the scale-2 set is for
# checking by eye that no text is cut off on a high-density screen.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${ARDENTIS_SCREENSHOT_BUILD_DIR:-build/pkg-screenshots}"

bash scripts/install-deps.sh test
cmake --preset testing -B "$build" >/dev/null
cmake --build "$build" --target ardentis_screenshots -j"$(nproc)"

# folder, scale, and the screenshot program's options
for set in "scale1 1" "scale2 2" "dark 1 --dark"; do
  read -r name scale options <<<"$set"
  out="docs/screenshots/$name"
  rm -rf "$out"
  mkdir -p "$out"
  # shellcheck disable=SC2086 # the options are words
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
    xvfb-run -a -s "-screen 0 2560x2048x24" "$build/tools/screenshots/ardentis_screenshots" $options "$out"
  for window in frmMain frmDisplay frmAbout frmNagScreen2; do
    [[ -s "$out/$window.png" ]] || { echo "missing $out/$window.png" >&2; exit 1; }
  done
  echo "$name: $(ls "$out" | tr '\n' ' ')"
done
