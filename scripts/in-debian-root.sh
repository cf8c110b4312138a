#!/usr/bin/env bash
# Runs a command on another Debian release: in a root of that release made
# with debootstrap, entered with chroot in a mount namespace of its own, so
# that nothing it mounts outlives the command. The root is kept for the next
# run, in $ARDENTIS_ROOTS/<release> (/var/cache/ardentis-roots by default), and
# brought up to date each time; `rm -rf /var/cache/ardentis-roots` removes it.
# The code goes in as this working tree holds it (its tracked and new files),
# as /root/ardentis, a clone in root's home; the command runs there as root.
#
#   bash scripts/in-debian-root.sh trixie                  the release's own checks (below)
#   bash scripts/in-debian-root.sh bookworm CMD [ARG...]   any command
#
# The checks are scripts/test.sh's stages that tell whether the code builds,
# passes its tests and packages on that release: deps, format, build, tests
# and package. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

(($# >= 1)) || {
  echo "usage: $0 bookworm|trixie [COMMAND...]" >&2
  exit 2
}
release="$1"
shift
(($#)) || set -- env ARDENTIS_STAGES="deps format build tests package" bash scripts/test.sh
roots="${ARDENTIS_ROOTS:-/var/cache/ardentis-roots}"
root="$roots/$release"
mirror=http://deb.debian.org/debian

if [[ ! -x "$root/bin/bash" ]]; then
  echo "== making a Debian $release root in $root (debootstrap)"
  command -v debootstrap >/dev/null || {
    echo "in-debian-root: debootstrap is missing (bash scripts/install-deps.sh test installs it)" >&2
    exit 1
  }
  # Made aside and moved into place whole, so that a run cut short never
  # leaves a half-made root to be taken for a made one.
  rm -rf "$root.new"
  mkdir -p "$roots"
  debootstrap --include=git,ca-certificates "$release" "$root.new" "$mirror" >"$roots/$release.log" 2>&1 || {
    tail -n 20 "$roots/$release.log" >&2
    echo "in-debian-root: debootstrap $release failed (the whole log is $roots/$release.log)" >&2
    exit 1
  }
  cat >"$root.new/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb http://deb.debian.org/debian-security $release-security main
EOF
  mv "$root.new" "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

echo "== the code, into $root/root/ardentis"
# The builds of the run before are kept, so that only what changed is built again.
rm -rf "$root/root/ardentis.build"
[[ -d "$root/root/ardentis/build" ]] && mv "$root/root/ardentis/build" "$root/root/ardentis.build"
rm -rf "$root/root/ardentis"
mkdir -p "$root/root/ardentis"
[[ -d "$root/root/ardentis.build" ]] && mv "$root/root/ardentis.build" "$root/root/ardentis/build"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  while IFS= read -r -d '' file; do
    [[ -e "$file" ]] && printf '%s\0' "$file" # not a file deleted and not yet committed
  done < <(git ls-files -z --cached --others --exclude-standard) | tar --null -T - -cf - | tar -xf - -C "$root/root/ardentis"
else
  tar --exclude=./build -cf - . | tar -xf - -C "$root/root/ardentis"
fi

# /proc, /sys and /dev of this machine, a /tmp and a /run of the command's
# own, and the root a mount point of its own, as chroot-based tools expect.
unshare --mount --propagation private --fork -- bash -c '
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
