#!/usr/bin/env bash
# Builds the Debian package of QX Ardentis from a release build with Debian's
# build flags and checks it with Debian's and AppStream's own checkers:
# lintian (the package, its copyright file, changelog and manual page),
# appstreamcli (the AppStream file) and desktop-file-validate (the menu
# entry). Depends is dpkg-shlibdeps's (cmake/Install.cmake). Then it installs
# the package in a throwaway root and starts the installed program there
# (scripts/check-installed.sh); nothing is ever installed on this machine.
#
#   bash scripts/check-deb.sh          everything
#   bash scripts/check-deb.sh build    only the build (scripts/test.sh runs the
#                                      tests on it before it is packaged)
#
# The build, in build/pkg-deb, holds the tests too, so that the package is
# made of the very build the test suite ran on. Run as root on Debian 12 or 13.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${ARDENTIS_DEB_BUILD_DIR:-build/pkg-deb}"
fail() {
  echo "check-deb: $*" >&2
  exit 1
}

bash scripts/install-deps.sh test

echo "== release build in $build, with Debian's build flags"
# As a Debian package build takes them: the hardening flags (stack protector,
# _FORTIFY_SOURCE, relocations made read-only at start), less -g (the package
# is stripped) and -O2 (the build type chooses the optimisation).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
cmake --preset pkg-deb -B "$build" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)"
[[ "${1:-}" == build ]] && exit 0

# A folder any user may enter, for lintian, which runs as nobody.
scratch="$(mktemp -d /tmp/ardentis-deb.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/packages" >/dev/null
debs=("$build"/packages/ardentis_*.deb)
[[ ${#debs[@]} == 1 && -f "${debs[0]}" ]] || fail "expected one package in $build/packages"
deb="$scratch/$(basename "${debs[0]}")"
install -m 644 "${debs[0]}" "$deb"
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends
unpacked="$scratch/unpacked"
dpkg-deb -x "$deb" "$unpacked"
desktop=("$unpacked"/usr/share/applications/*.desktop)
app_id="$(basename "${desktop[0]}" .desktop)"

# What lintian cannot know: which files this package must hold.
expected=(
  usr/bin/ardentis "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg" usr/share/man/man1/ardentis.1.gz
  usr/share/doc/ardentis/copyright usr/share/doc/ardentis/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  [[ -s "$unpacked/$file" ]] || fail "not in the package: /$file"
done

echo "== lintian"
# Everything lintian has to say is shown; errors and warnings fail the check.
# It runs without privileges, as it asks to.
install -d -m 700 -o nobody -g "$(id -gn nobody)" "$scratch/tmp"
(cd "$scratch" && runuser -u nobody -- env TMPDIR="$scratch/tmp" \
  lintian --pedantic --display-info --display-experimental --fail-on error,warning "$deb") ||
  fail "lintian reports errors or warnings"
echo "lintian: no error or warning"

echo "== desktop-file-validate and appstreamcli validate --pedantic"
desktop-file-validate "${desktop[0]}"
# Clean but for two notes: the identifier has capitals, which it keeps, as it
# is also the name of the menu entry the program gives the desktop; and
# AppStream before 1.0 (Debian 12) does not know the <developer> that 1.0 asks
# for in place of <developer_name>. Any other note fails the check.
metainfo="$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
report="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || fail "appstreamcli validate: $report"
echo "$report"
known='^P: [^ ]+ cid-contains-uppercase-letter( |$)|^I: [^ ]+ unknown-tag developer$'
if grep -E '^[EWIP]: ' <<<"$report" | grep -vE "$known"; then
  fail "appstreamcli validate --pedantic has more to say than the two notes it is known for"
fi
# What no validator asks of a desktop application: its license, as LICENSE
# gives it, and notes for its newest release.
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the AppStream file does not state the MIT License"
sed -n '/<release /,/<\/release>/p' "$metainfo" | grep -q '<description>' || fail "the newest release has no notes"

# A throwaway root: /etc, /usr and /var seen through overlays whose changes
# are kept in memory, in mount and PID namespaces of their own. Whatever apt
# and dpkg do there, the system's own files and package database never see,
# and it all goes when the check ends, however it ends.
in_throwaway_root() {
  unshare --mount --pid --fork --kill-child --mount-proc --propagation private -- bash -c '
    set -e
    mount -t tmpfs -o mode=700 ardentis-throwaway "$1"
    for dir in /etc /usr /var; do
      mkdir -p "$1/upper$dir" "$1/work$dir"
      mount -t overlay ardentis-throwaway -o "lowerdir=$dir,upperdir=$1/upper$dir,workdir=$1/work$dir" "$dir"
    done
    shift
    exec "$@"' throwaway "$scratch/root" "$@"
}
mkdir "$scratch/root"
if ! in_throwaway_root true 2>/dev/null; then
  echo "check-deb: SKIPPED installing the package and starting it: no throwaway root can be made here" \
    "(no mount namespace), and the check never installs on the machine itself"
  exit 0
fi
echo "== installing it in a throwaway root (nothing stays installed)"
in_throwaway_root bash scripts/check-installed.sh "$deb" "QX Ardentis v$(dpkg-deb --field "$deb" Version)" \
  "$unpacked/usr/share/man/man1/ardentis.1.gz"
echo "check-deb: the package passes lintian and appstreamcli, installs and starts"
