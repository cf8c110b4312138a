#!/usr/bin/env bash
# Builds the Debian package of QX Ardentis from a release build with Debian's
# build flags and checks it as a package maintainer would: lintian, the
# changelog, the copyright file, the manual page and the AppStream file. Then
# installs it with apt as a user would, checks the installed menu entry, manual
# page and software-centre file, and starts the installed program on a virtual
# display until its main window is up, with and without a runtime folder,
# checking that its setting and its lock are where the manual page says.
# Run as root on Debian 12 (apt-get installs the package).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${ARDENTIS_DEB_BUILD_DIR:-build/pkg-deb}"
# Debian's own Python, which has python3-debian, whichever python3 comes first on PATH.
python=/usr/bin/python3

fail() {
  echo "check-deb: $*" >&2
  exit 1
}

bash scripts/install-deps.sh

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

echo "== release build in $build, with Debian's build flags"
# As a Debian package build takes them: the hardening flags (stack protector,
# _FORTIFY_SOURCE, relocations made read-only at start), less -g (the package
# is stripped) and -O2 (the build type chooses the optimisation).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
cmake --preset release -B "$build" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)"
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
depends="$(dpkg-deb --field "$deb" Depends)"
for runtime in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  if ! grep -qE "(^|, )$runtime( |,|$)" <<<"$depends"; then
    fail "Depends lacks $runtime: $depends"
  fi
done

echo "== lintian"
# Everything lintian has to say is shown; errors and warnings fail the check.
# It runs without privileges, as it asks to.
chmod 711 "$scratch"
mkdir -m 755 "$scratch/lint"
install -m 644 "$deb" "$scratch/lint/"
lintian=(lintian --pedantic --display-info --display-experimental --fail-on error,warning)
if ((EUID == 0)); then
  lintian=(runuser -u nobody -- "${lintian[@]}")
fi
status=0
tags="$("${lintian[@]}" "$scratch/lint/$(basename "$deb")" 2>&1)" || status=$?
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
if not text("developer_name"):
    problems.append("no developer_name")
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
print(f"metainfo: {text('name')} {version} of {released}, {text('project_license')}, by {text('developer_name')}")
EOF

echo "== apt-get install"
# --reinstall: a rebuilt package of the same version must replace the old one.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall -o DPkg::Lock::Timeout=300 "$deb"

echo "== installed files"
# Minimal images tell dpkg to leave manual pages out of every package.
if grep -qsE '^path-exclude[= ]+/usr/share/man' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/*; then
  man_installed=0
  echo "dpkg leaves out manual pages here (path-exclude in /etc/dpkg/dpkg.cfg.d): ardentis(1) was checked in the package only"
else
  man_installed=1
fi
expected=(
  /usr/bin/ardentis
  "/usr/share/applications/$app_id.desktop"
  "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  /usr/share/doc/ardentis/copyright
  /usr/share/doc/ardentis/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
if ((man_installed)); then
  expected+=(/usr/share/man/man1/ardentis.1.gz)
fi
owned="$(dpkg -L ardentis)"
for file in "${expected[@]}"; do
  if ! grep -qxF "$file" <<<"$owned" || [[ ! -s "$file" ]]; then
    fail "not installed by the package: $file"
  fi
done
desktop-file-validate "/usr/share/applications/$app_id.desktop"
# Pedantic, and clean but for one note: the identifier has capitals, and it
# stays, as it is also the menu entry's name the program gives the desktop.
report="$(appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$app_id.metainfo.xml" 2>&1)" ||
  fail "appstreamcli validate fails: $report"
echo "$report"
if grep -E '^[EWIP]: ' <<<"$report" | grep -vE '^P: [^ ]+ cid-contains-uppercase-letter( |$)'; then
  fail "appstreamcli validate --pedantic has more to say than the capitals in the identifier"
fi
if ((man_installed)); then
  [[ "$(man -w ardentis)" == /usr/share/man/man1/ardentis.1.gz ]] || fail "man -w ardentis: $(man -w ardentis 2>&1)"
  MANWIDTH=80 man -P cat ardentis 2>/dev/null | col -b | grep -E '^ +ardentis - ' ||
    fail "man ardentis does not show the page"
fi

# A first start for a new user: no settings, no lock, nothing cached.
mkdir -p "$scratch"/{home,config,cache,data,runtime}
chmod 700 "$scratch/runtime"
start_installed() { # $1: the runtime folder to give the program, or "" for none
  (
    cd "$scratch"
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
    export XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=xcb
    if [[ -n "$1" ]]; then
      export XDG_RUNTIME_DIR="$1"
    else
      unset XDG_RUNTIME_DIR
    fi
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
}
echo "== starting /usr/bin/ardentis under Xvfb"
start_installed "$scratch/runtime"
echo "== starting it again without XDG_RUNTIME_DIR"
start_installed ""

echo "== what the two starts left, against ardentis(1)"
settings="$scratch/config/Ardentis/Ardentis.conf"
[[ -s "$settings" ]] || fail "no setting in \$XDG_CONFIG_HOME/Ardentis/Ardentis.conf"
if grep -qiE "$(date +%F)|$(date -d yesterday +%F)|Duration" "$settings"; then
  fail "the setting is stored in plain text: $(cat "$settings")"
fi
# The one-copy lock is in the cache folder whether or not there is a runtime
# folder, so that a copy started either way finds the other.
lock="$scratch/cache/Ardentis/ardentis.lock"
grep -qxE '[0-9]+' "$lock" || fail "no process ID in the lock ${lock#"$scratch"/}"
[[ ! -e "$scratch/runtime/ardentis.lock" ]] || fail "a lock in the runtime folder, which ardentis(1) does not name"
# Every file of the program's own is named in the manual page; caches that
# fontconfig may write for the fonts are its own business.
while IFS= read -r file; do
  case "$file" in
    cache/fontconfig/*) continue ;;
    config/*) named="\$XDG_CONFIG_HOME/${file#config/}" ;;
    cache/*) named="\$XDG_CACHE_HOME/${file#cache/}" ;;
    runtime/*) named="\$XDG_RUNTIME_DIR/${file#runtime/}" ;;
    data/*) named="\$XDG_DATA_HOME/${file#data/}" ;;
    *) named="~/${file#home/}" ;;
  esac
  grep -qF "$named" <<<"$page_text" || fail "the program left $named, which ardentis(1) does not name"
  echo "$named"
done < <(cd "$scratch" && find home config cache data runtime -type f | sort)
echo "check-deb: the package is lintian-clean, installs, validates and starts"
