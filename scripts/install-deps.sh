#!/usr/bin/env bash
# Installs what QX Ardentis needs on Debian 12 or 13, by the names the
# release it runs on gives its packages, for one purpose:
#   run    building and running the program (scripts/run.sh)
#   test   that, and the tools every test needs (scripts/test.sh, check-deb.sh,
#          fuzz.sh, screenshots.sh)
#   bench  that, and what the benchmarks need (bench/startup.sh)
#   reader the test set, and the screen reader and window manager that
#          scripts/screen-reader.sh listens with
#   bash scripts/install-deps.sh run       # or test, bench, reader; --list only prints the packages
# Asks apt only for what is missing, so a second run costs nothing. When a
# package cannot be had, apt says which and why, and installs nothing.
set -euo pipefail

list=0
if [[ "${1:-}" == --list ]]; then
  list=1
  shift
fi

# What differs between the releases: the clang whose sanitizer and fuzzer
# run-times the tests use (Debian names the run-times after clang's version).
release="$(. /etc/os-release 2>/dev/null && echo "${ID:-}-${VERSION_ID:-}")"
case "$release" in
  debian-12) llvm=14 ;;
  debian-13) llvm=19 ;;
  *)
    echo "install-deps: QX Ardentis is built on Debian 12 (bookworm) and Debian 13 (trixie); this is ${release:-a system without /etc/os-release}" >&2
    exit 1
    ;;
esac

# Building and running: the compiler and CMake, Qt's development files (they
# bring its runtime, whose libqt6gui6 holds the X11, offscreen and minimal
# platform plugins), fontconfig's, which the program reads at start-up, and a
# font to draw its texts with.
run=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
  fonts-dejavu-core
)
# The tests: GoogleTest; a virtual X display with the tools that drive and
# watch real copies of the program; clang and its sanitizer and fuzzer
# run-times, and clang-format for the code's layout; the Debian package's tools
# and lintian; scdoc for the manual page.
test=(
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils
  clang "libclang-rt-$llvm-dev" clang-format
  dpkg-dev file desktop-file-utils appstream
  lintian scdoc man-db groff-base
  # dbus-launch: the fault tests check that no message bus outlives a run
  # where the session has none, which needs what would start one.
  dbus-x11
  # A private accessibility bus for the screen-reader tests.
  at-spi2-core dbus-daemon
  # A root of the other release, where the tests run too.
  mmdebstrap
)
# The benchmarks: Google Benchmark, XCB for the start-up watcher, a virtual X
# display, strace for the list of files a start opens, and Python for the
# statistics of bench/tuning.sh.
bench=(
  libbenchmark-dev libxcb1-dev
  xvfb xauth strace python3
)
# The screen-reader check: Orca, and openbox, under which Orca follows the
# windows as on a desktop.
reader=(orca openbox)

case "${1:-}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  reader) packages=("${run[@]}" "${test[@]}" "${reader[@]}") ;;
  *)
    echo "usage: $0 [--list] run|test|bench|reader" >&2
    exit 2
    ;;
esac

if ((list)); then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

((${#missing[@]})) || exit 0
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq -o DPkg::Lock::Timeout=600 || {
  echo "install-deps: apt-get update failed: the package archive in /etc/apt/sources.list* cannot be read" >&2
  exit 1
}
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}" || {
  echo "install-deps: apt-get install failed, for the reason it gives above; where it has no version of a package, add $release's main archive (and its -updates and -security) to the sources" >&2
  exit 1
}
