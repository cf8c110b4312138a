#!/usr/bin/env bash
# Builds the Debian package of QX Ardentis from a release build with Debian's
# build flags and checks it as a package maintainer would: lintian, the
# changelog, the copyright file, the manual page and the AppStream file. Then
# installs it with apt as a user would, in a throwaway root, checks the
# installed menu entry, manual page and software-centre file, and starts the
# installed program on a virtual display until its main window is up, with
# and without a runtime folder, checking that its setting and its lock are
# where the manual page says.
#
#   bash scripts/check-deb.sh          everything
#   bash scripts/check-deb.sh build    only the build (scripts/test.sh runs the
#                                      tests on it before it is packaged)
#
# The build, in build/pkg-deb, holds the tests too, so that the package is
# made of the very build the test suite ran on.
# Run as root on Debian 12 or 13 (apt-get installs the package).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${ARDENTIS_DEB_BUILD_DIR:-build/pkg-deb}"
# Debian's own Python, which has python3-debian, whichever python3 comes first on PATH.
python=/usr/bin/python3

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

scratch="$(mktemp -d)"
lint=""
trap 'rm -rf "$scratch" ${lint:+"$lint"}' EXIT

rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/packages" >/dev/null
shopt -s nullglob
debs=("$build"/packages/ardentis_*.deb)
shopt -u nullglob
if ((${#debs[@]} != 1)); then
  fail "expected one package in $build/packages, found ${#debs[@]}"
fi
deb="$(realpath "${debs[0]}")"

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends
version="$(dpkg-deb --field "$deb" Version)"
# The window caption and the application id, as the build made them.
title="QX Ardentis v$version"
app_id="$(sed -n 's/.*ApplicationId\[\] = "\(.*\)";/\1/p' "$build/platform/include/platform/ProgramInfo.h")"
[[ -n "$app_id" ]] || fail "no application id in $build/platform/include/platform/ProgramInfo.h"
# It depends on the package of every library the program links and of the
# platform plugin Qt loads to show a window, by the names this release gives
# them (Debian 13 renamed some for 64-bit time: libqt6core6t64).
depends="$(dpkg-deb --field "$deb" Depends)"
dpkg-deb -x "$deb" "$scratch/program"
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
owner() { # the package that holds the file of this machine's architecture ending in /$1
  { dpkg -S "*/$multiarch/*$1" 2>/dev/null || true; } |
    awk -F': ' -v end="/$1" 'substr($2, length($2) - length(end) + 1) == end { sub(/:.*/, "", $1); print $1 }' | head -n 1
}
needed=("$(owner libqxcb.so)")
while read -r library; do
  needed+=("$(owner "$library")")
done < <(objdump -p "$scratch/program/usr/bin/ardentis" | awk '$1 == "NEEDED" { print $2 }')
mapfile -t needed < <(printf '%s\n' "${needed[@]}" | sort -u)
named=" $(sed -E 's/ *\([^)]*\)//g; s/[,|]/ /g' <<<"$depends") "
for runtime in "${needed[@]}"; do
  [[ -n "$runtime" ]] || fail "a library the program needs belongs to no installed package"
  if [[ "$named" != *" $runtime "* ]]; then
    fail "Depends lacks $runtime: $depends"
  fi
done
echo "Depends names the package of each library it needs: ${needed[*]}"

echo "== lintian"
# Everything lintian has to say is shown; errors and warnings fail the check.
# It runs without privileges, as it asks to: from a folder of its own that
# any user may enter, whatever the folder of this checkout or TMPDIR allow.
lint="$(mktemp -d /tmp/ardentis-lintian.XXXXXX)"
chmod 755 "$lint"
install -m 644 "$deb" "$lint/"
lintian=(lintian --pedantic --display-info --display-experimental --fail-on error,warning)
if ((EUID == 0)); then
  install -d -m 700 -o nobody -g "$(id -gn nobody)" "$lint/tmp"
  lintian=(runuser -u nobody -- env TMPDIR="$lint/tmp" "${lintian[@]}")
fi
status=0
tags="$(cd "$lint" && "${lintian[@]}" "$lint/$(basename "$deb")" 2>&1)" || status=$?
echo "${tags:-lintian: nothing to report}"
((status == 0)) || fail "lintian reports errors or warnings (status $status)"

echo "== changelog, copyright, manual page and AppStream file in the package"
unpacked="$scratch/unpacked"
dpkg-deb -x "$deb" "$unpacked"
doc="$unpacked/usr/share/doc/ardentis"
page="$unpacked/usr/share/man/man1/ardentis.1.gz"
metainfo="$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
for file in "$doc/changelog.gz" "$doc/copyright" "$page" "$metainfo"; do
  [[ -s "$file" ]] || fail "not in the package: ${file#"$unpacked"}"
done

zcat "$doc/changelog.gz" >"$scratch/changelog"
newest="$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)"
[[ "$newest" == "$version" ]] || fail "the newest changelog entry is $newest, the package $version"
released="$(date -u -d "$(dpkg-parsechangelog -l "$scratch/changelog" -S Date)" +%F)"
echo "changelog: $version of $released"

# Machine-readable as Debian defines it, with the very text and holder of LICENSE.
"$python" - "$doc/copyright" LICENSE <<'EOF'
import re
import sys
from debian.copyright import Copyright

with open(sys.argv[1], encoding="utf-8") as f:
    copyright = Copyright(f, strict=True)
with open(sys.argv[2], encoding="utf-8") as f:
    license_file = f.read()

standalone = {p.license.synopsis: p.license.text for p in copyright.all_license_paragraphs()}
files = list(copyright.all_files_paragraphs())
if not files or files[0].files != ("*",):
    sys.exit("copyright: the first Files paragraph must cover every file (*)")
for paragraph in files:
    name = paragraph.license.synopsis
    if not (paragraph.license.text or standalone.get(name)):
        sys.exit(f"copyright: no text for the license {name!r} of {paragraph.files}")

holder = re.search(r"^Copyright \(c\) (.+)$", license_file, re.M).group(1)
if files[0].copyright.strip() != holder:
    sys.exit(f"copyright: Copyright {files[0].copyright!r}, LICENSE says {holder!r}")

def lines(text):
    return [line.strip() for line in text.strip().splitlines()]

shipped = [("" if line == "." else line) for line in lines(standalone.get(files[0].license.synopsis, ""))]
notice = lines(license_file[license_file.index("Permission is hereby granted"):])
if shipped != notice:
    sys.exit("copyright: the license text differs from LICENSE")
print(f"copyright: DEP-5, {files[0].license.synopsis}, {holder}")
EOF

# man as lintian runs it: no warning from groff or man, and a page to read.
warnings="$(MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
[[ -z "$warnings" ]] || fail "man warns about ardentis(1): $warnings"
page_text="$(MANWIDTH=120 man -l "$page" 2>/dev/null | col -b)"
grep -qE '^ +ardentis - ' <<<"$page_text" || fail "ardentis(1) has no NAME line: $page_text"
whatis="$(lexgrog "$page")" || fail "whatis finds no description in ardentis(1)"
echo "manual page: ${whatis#*: }"
header="$(zcat "$page" | grep -m1 '^\.TH ')"
[[ "$header" == ".TH \"ardentis\" \"1\" \"$released\" \"QX Ardentis $version\"" ]] ||
  fail "ardentis(1) is not dated and numbered as the release $version of $released: $header"

# Complete for software centres, and of the same release.
"$python" - "$metainfo" "$version" "$released" <<'EOF'
import sys
import xml.etree.ElementTree as ET

component = ET.parse(sys.argv[1]).getroot()
version, released = sys.argv[2], sys.argv[3]

def text(path):
    element = component.find(path)
    return "" if element is None or element.text is None else element.text.strip()

problems = []
if text("project_license") != "MIT":
    problems.append(f"project_license is {text('project_license')!r}, not MIT")
if not text("developer/name"):
    problems.append("no developer name")
rating = component.find("content_rating")
if rating is None or not rating.get("type", "").startswith("oars-"):
    problems.append("no OARS content rating")
release = component.find("releases/release")
if release is None or release.get("version") != version or release.get("date") != released:
    found = None if release is None else (release.get("version"), release.get("date"))
    problems.append(f"the newest release is {found}, the package {version} of {released}")
elif release.find("description") is None:
    problems.append(f"the release {version} has no description")
if problems:
    sys.exit("metainfo: " + "; ".join(problems))
print(f"metainfo: {text('name')} {version} of {released}, {text('project_license')}, by {text('developer/name')}")
EOF

# Named in the check of what the installed program leaves behind.
printf '%s\n' "$page_text" >"$scratch/page.txt"

# A throwaway root: /etc, /usr and /var seen through overlays whose changes
# are kept in memory, in a mount namespace of its own. Whatever apt and dpkg
# do there, the system's own files and package database never see, and it
# all goes when the command ends.
in_throwaway_root() {
  mkdir -p "$scratch/root"
  unshare --mount --propagation private -- bash -c '
    set -e
    mount -t tmpfs -o mode=700 ardentis-throwaway "$1"
    for dir in /etc /usr /var; do
      mkdir -p "$1/upper$dir" "$1/work$dir"
      mount -t overlay ardentis-throwaway -o "lowerdir=$dir,upperdir=$1/upper$dir,workdir=$1/work$dir" "$dir"
    done
    shift
    exec "$@"' throwaway "$scratch/root" "$@"
}

installed_check=(bash scripts/check-installed.sh "$deb" "$app_id" "$title" "$scratch/page.txt")
if in_throwaway_root true 2>/dev/null; then
  echo "== installing it in a throwaway root (nothing stays installed)"
  in_throwaway_root "${installed_check[@]}"
else
  # Where no mount namespace can be made (a container without the right to
  # mount), the package is installed for real and removed again, but never
  # over one that was there before.
  echo "== installing it (no throwaway root can be made here: it is removed again after)"
  before="$(dpkg-query -W -f='${db:Status-Abbrev}' ardentis 2>/dev/null || true)"
  if [[ -n "${before// /}" && "$before" != un* ]]; then
    fail "ardentis is installed here already ($before); remove it (apt-get purge ardentis) for the check to install its own"
  fi
  trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=300 ardentis >/dev/null; rm -rf "$scratch" ${lint:+"$lint"}' EXIT
  "${installed_check[@]}"
fi
echo "check-deb: the package passes lintian, installs, validates and starts"
