#!/usr/bin/env bash
# Builds the Debian package of QX Ardentis from a release build, installs it
# with apt as a user would, checks the installed menu entry and software-centre
# file, and starts the installed program on a virtual display until its main
# window is up. Run as root on Debian 12 (apt-get installs the package).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${ARDENTIS_DEB_BUILD_DIR:-build/pkg-deb}"
app_id=com.zentrova.Ardentis
title='QX Ardentis v1.25'

bash scripts/install-deps.sh

echo "== release build in $build"
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/packages" >/dev/null
shopt -s nullglob
debs=("$build"/packages/ardentis_*.deb)
shopt -u nullglob
if ((${#debs[@]} != 1)); then
  echo "expected one package in $build/packages, found ${#debs[@]}" >&2
  exit 1
fi
deb="$(realpath "${debs[0]}")"

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
depends="$(dpkg-deb --field "$deb" Depends)"
for runtime in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  if ! grep -qE "(^|, )$runtime( |,|$)" <<<"$depends"; then
    echo "Depends lacks $runtime: $depends" >&2
    exit 1
  fi
done

echo "== apt-get install"
# --reinstall: a rebuilt package of the same version must replace the old one.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall -o DPkg::Lock::Timeout=300 "$deb"

echo "== installed files"
expected=(
  /usr/bin/ardentis
  "/usr/share/applications/$app_id.desktop"
  "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
owned="$(dpkg -L ardentis)"
for file in "${expected[@]}"; do
  if ! grep -qxF "$file" <<<"$owned" || [[ ! -s "$file" ]]; then
    echo "not installed by the package: $file" >&2
    exit 1
  fi
done
desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"

echo "== starting /usr/bin/ardentis under Xvfb"
# A first start for a new user: no settings, no lock, nothing cached.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{home,config,cache,data,runtime}
chmod 700 "$scratch/runtime"
(
  cd "$scratch"
  export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
  export XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb
  unset QT_SCALE_FACTOR
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    /usr/bin/ardentis &
    program=$!
    if window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) && [[ -n "$window" ]]; then
      xwininfo -id "$window" | grep -E "Map State|geometry"
      status=0
    else
      echo "no mapped window \"$1\" within 30 seconds" >&2
      status=1
    fi
    if ! kill -0 "$program" 2>/dev/null; then
      echo "the program is no longer running" >&2
      status=1
    fi
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    exit "$status"
  ' check-deb "$title"
)
echo "check-deb: the package installs, validates and starts"
