#!/usr/bin/env bash
# Installs what building, running and testing QX Ardentis needs on Debian 12.
# Asks apt only for what is missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils fonts-dejavu-core
  dpkg-dev file desktop-file-utils appstream
  clang libclang-rt-14-dev
  libxcb1-dev libfontconfig-dev strace
  lintian scdoc man-db groff-base python3-debian
  # dbus-launch: the fault tests check that no message bus outlives a run
  # where the session has none, which needs what would start one.
  dbus-x11
  # A private accessibility bus for the screen-reader tests.
  at-spi2-core dbus-daemon
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq -o DPkg::Lock::Timeout=600
  apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi
