#!/usr/bin/env bash
# The Debian package as a user meets it: installed with apt, and the installed
# program started twice on a virtual display, with and without a runtime
# folder. Each time its main window must come up and it must print nothing;
# after them its setting must be stored encoded, its lock be in the cache
# folder, and every file it left be one its manual page names. No Debian tool
# knows what this program may leave behind, hence this script.
#
# It installs the package, so it changes the system it runs on:
# scripts/check-deb.sh runs it only in a throwaway root.
#   bash scripts/check-installed.sh PACKAGE.deb "WINDOW CAPTION" MANUAL-PAGE.gz
set -euo pipefail

fail() {
  echo "check-installed: $*" >&2
  exit 1
}

(($# == 3)) || fail "usage: $0 PACKAGE.deb \"WINDOW CAPTION\" MANUAL-PAGE.gz"
title="$2"
page_text="$(MANWIDTH=120 man -l "$3" 2>/dev/null | col -b)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

echo "== apt-get install"
# --reinstall: a rebuilt package of the same version must replace the old one.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall -o DPkg::Lock::Timeout=300 "$1"

# A first start for a new user: no settings, no lock, nothing cached.
# The folders are named after the variables that point to them, as the manual
# page names the files in them.
mkdir -p "$scratch"/{home,XDG_CONFIG_HOME,XDG_CACHE_HOME,XDG_DATA_HOME,XDG_RUNTIME_DIR,tmp}
chmod 700 "$scratch/XDG_RUNTIME_DIR"
start_installed() { # $1: the runtime folder to give the program, or "" for none
  (
    cd "$scratch"
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/XDG_CONFIG_HOME" XDG_CACHE_HOME="$scratch/XDG_CACHE_HOME"
    export XDG_DATA_HOME="$scratch/XDG_DATA_HOME" QT_QPA_PLATFORM=xcb
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
      status=0
      timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null || {
        echo "no mapped window \"$1\" within 30 seconds" >&2
        status=1
      }
      kill "$program" 2>/dev/null || {
        echo "the program is no longer running" >&2
        status=1
      }
      wait "$program" 2>/dev/null
      exit "$status"
    ' check-installed "$title" "$scratch/said"
  )
  # Started as a user starts it, the program has nothing to say.
  [[ ! -s "$scratch/said" ]] || fail "the program printed: $(cat "$scratch/said")"
}
echo "== starting /usr/bin/ardentis under Xvfb"
start_installed "$scratch/XDG_RUNTIME_DIR"
echo "== starting it again without XDG_RUNTIME_DIR"
start_installed ""

echo "== what the two starts left, against ardentis(1)"
settings="$scratch/XDG_CONFIG_HOME/Ardentis/Ardentis.conf"
[[ -s "$settings" ]] || fail "no setting in \$XDG_CONFIG_HOME/Ardentis/Ardentis.conf"
if grep -qiE "$(date +%F)|$(date -d yesterday +%F)|Duration" "$settings"; then
  fail "the setting is stored in plain text: $(cat "$settings")"
fi
# The one-copy lock is in the cache folder whether or not there is a runtime
# folder, so that a copy started either way finds the other.
lock="$scratch/XDG_CACHE_HOME/Ardentis/ardentis.lock"
grep -qxE '[0-9]+' "$lock" || fail "no process ID in the lock ${lock#"$scratch"/}"
[[ ! -e "$scratch/XDG_RUNTIME_DIR/ardentis.lock" ]] || fail "a lock in the runtime folder, which ardentis(1) does not name"
# Every file of the program's own is named in the manual page; caches that
# fontconfig may write for the fonts are its own business.
while IFS= read -r file; do
  case "$file" in
    XDG_CACHE_HOME/fontconfig/*) continue ;;
    home/*) named="~/${file#home/}" ;;
    *) named="\$$file" ;;
  esac
  grep -qF "$named" <<<"$page_text" || fail "the program left $named, which ardentis(1) does not name"
  echo "$named"
done < <(cd "$scratch" && find home XDG_* -type f | sort)
