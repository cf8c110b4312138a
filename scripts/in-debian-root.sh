#!/usr/bin/env bash
# Runs a command on another Debian release: in a root of that release made
# with mmdebstrap and entered with chroot, each in mount and PID namespaces of
# their own. Whatever they mount is seen only there and goes with their last
# process, however it ends (a kill -9, the OOM killer, CI's time-out): the
# machine's own mount table never holds anything of it. The root is kept for
# the next run, in $ARDENTIS_ROOTS/<release> (/var/cache/ardentis-roots by
# default), and brought up to date each time; `rm -rf /var/cache/ardentis-roots`
# removes it. The code goes in as this working tree holds it (its tracked and
# new files), as /root/ardentis, a clone in root's home; the command runs there
# as root. mmdebstrap comes with the test tools (scripts/install-deps.sh test).
#
#   bash scripts/in-debian-root.sh trixie                  the release's own checks (below)
#   bash scripts/in-debian-root.sh bookworm CMD [ARG...]   any command
#
# The checks are scripts/test.sh's stages that tell whether the code builds,
# passes its tests and packages on that release: deps, format, build, tests
# and package. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

release="${1:?usage: $0 bookworm|trixie [COMMAND...]}"
shift
(($#)) || set -- env ARDENTIS_STAGES="deps format build tests package" bash scripts/test.sh
roots="${ARDENTIS_ROOTS:-/var/cache/ardentis-roots}"
root="$roots/$release"
mirror=http://deb.debian.org/debian

# One run in a root at a time: the lock is held by the run and what it starts,
# so a run waits for one still going, and removes a half-made root only once
# the run that made it, and with it mmdebstrap's namespaces, is gone.
mkdir -p "$roots"
exec {lock}>"$roots/$release.lock"
flock -n "$lock" || {
  echo "== waiting for another run in $root to end"
  flock "$lock"
}

if [[ ! -x "$root/bin/bash" ]]; then
  echo "== making a Debian $release root in $root (mmdebstrap)"
  # Made aside and moved into place whole, so that a run cut short never
  # leaves a half-made root to be taken for a made one. A half-made one holds
  # no mount (mmdebstrap's were in its namespaces, gone with it), and
  # --one-file-system keeps rm out of any that someone made there by hand.
  # mmdebstrap's own scratch files, which a kill leaves too, are kept beside it.
  rm -rf --one-file-system "$root.new" "$roots"/mmdebstrap.*
  TMPDIR="$roots" mmdebstrap --mode=unshare --include=git,ca-certificates "$release" "$root.new" \
    "deb $mirror $release main" "deb $mirror $release-updates main" \
    "deb http://deb.debian.org/debian-security $release-security main" >"$roots/$release.log" 2>&1 || {
    tail -n 20 "$roots/$release.log" >&2
    echo "in-debian-root: mmdebstrap $release failed (the whole log is $roots/$release.log)" >&2
    exit 1
  }
  mv "$root.new" "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

echo "== the code, into $root/root/ardentis"
# The builds of the run before are kept (their configuration is reused), and
# every file arrives as new (tar -m): a source older than a kept build but not
# the one it was built from would be taken for built.
mkdir -p "$root/root/ardentis"
find "$root/root/ardentis" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  while IFS= read -r -d '' file; do
    [[ -e "$file" ]] && printf '%s\0' "$file" # not a file deleted and not yet committed
  done < <(git ls-files -z --cached --others --exclude-standard) | tar --null -T - -cf - | tar -xmf - -C "$root/root/ardentis"
else
  tar --exclude=./build -cf - . | tar -xmf - -C "$root/root/ardentis"
fi

# /proc of the command's own processes, /sys and /dev of this machine, a /tmp
# and a /run of its own, and the root a mount point of its own, as
# chroot-based tools expect. --kill-child: when this script is killed, so is
# every process of the command, and with the last of them its mounts.
unshare --mount --pid --fork --kill-child --propagation private -- bash -c '
  set -e
  root="$1"
  shift
  mount --bind "$root" "$root"
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount -t tmpfs -o mode=1777 ardentis-tmp "$root/tmp"
  mount -t tmpfs -o mode=755 ardentis-run "$root/run"
  exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" ${CI:+CI="$CI"} \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c '\''
      set -e
      export DEBIAN_FRONTEND=noninteractive
      echo "== bringing the root up to date"
      apt-get update -qq -o DPkg::Lock::Timeout=600
      apt-get upgrade -y -qq -o DPkg::Lock::Timeout=600 >/dev/null
      cd /root/ardentis
      exec "$@"'\'' in-debian-root "$@"
' in-debian-root "$root" "$@"
