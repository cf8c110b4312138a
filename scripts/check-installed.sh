#!/usr/bin/env bash
# Installs the Debian package with apt, as a user would, and checks it as
# installed: the files it puts in place, its menu entry, software-centre file
# and manual page, and two starts of the installed program on a virtual
# display, with and without a runtime folder, after which its setting and its
# lock must be where the manual page says.
#
# This changes the system it runs on: scripts/check-deb.sh runs it in a
# throwaway root.
#   bash scripts/check-installed.sh PACKAGE.deb APPLICATION-ID "WINDOW CAPTION" PAGE-TEXT-FILE
set -euo pipefail

fail() {
  echo "check-deb: $*" >&2
  exit 1
}

(($# == 4)) || fail "usage: $0 PACKAGE.deb APPLICATION-ID \"WINDOW CAPTION\" PAGE-TEXT-FILE"
deb="$1"
app_id="$2"
title="$3"
page_text="$(cat "$4")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

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
# Pedantic, and clean but for the notes the README names: the identifier has
# capitals, and it stays, as it is also the menu entry's name the program
# gives the desktop; AppStream before 1.0 (Debian 12) does not know the
# <developer> that 1.0 asks for in place of <developer_name>.
report="$(appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$app_id.metainfo.xml" 2>&1)" ||
  fail "appstreamcli validate fails: $report"
echo "$report"
known='^P: [^ ]+ cid-contains-uppercase-letter( |$)'
dpkg --compare-versions "$(dpkg-query -W -f='${Version}' appstream)" lt 1.0 && known="$known|^I: [^ ]+ unknown-tag developer\$"
if grep -E '^[EWIP]: ' <<<"$report" | grep -vE "$known"; then
  fail "appstreamcli validate --pedantic has more to say than the notes the README names"
fi
if ((man_installed)); then
  [[ "$(man -w ardentis)" == /usr/share/man/man1/ardentis.1.gz ]] || fail "man -w ardentis: $(man -w ardentis 2>&1)"
  MANWIDTH=80 man -P cat ardentis 2>/dev/null | col -b | grep -E '^ +ardentis - ' ||
    fail "man ardentis does not show the page"
fi

# A first start for a new user: no settings, no lock, nothing cached.
mkdir -p "$scratch"/{home,config,cache,data,runtime,tmp}
chmod 700 "$scratch/runtime"
start_installed() { # $1: the runtime folder to give the program, or "" for none
  (
    cd "$scratch"
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
    export XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=xcb
    if [[ -n "$1" ]]; then
      export XDG_RUNTIME_DIR="$1"
    else
      # Qt then makes a runtime folder of its own in TMPDIR, here the scratch folder's.
      unset XDG_RUNTIME_DIR
      export TMPDIR="$scratch/tmp"
    fi
    unset QT_SCALE_FACTOR
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      /usr/bin/ardentis >"$2" 2>&1 &
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
    ' check-deb "$title" "$scratch/said"
  )
  # Started as a user starts it, the program has nothing to say.
  [[ ! -s "$scratch/said" ]] || fail "the program printed: $(cat "$scratch/said")"
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
