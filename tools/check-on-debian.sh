#!/usr/bin/env bash
# Checks the working tree on a fresh Debian system, as a new user would meet it:
#   tools/check-on-debian.sh RELEASE [--release-only]     (RELEASE: bookworm or trixie)
# 1. builds a minimal system of RELEASE with debootstrap, copies the working
#    tree (tracked and untracked files, nothing ignored) into it and runs the
#    README's test command there (with --release-only, only its release build
#    and tests; the sanitizer build and the fuzzing run are skipped);
# 2. builds the .deb there as tools/build-package.sh does, and runs lintian on it;
# 3. builds a second minimal system, installs the .deb with apt-get and starts
#    the installed game under Xvfb until its welcome dialog is mapped.
# It prints the packages and megabytes each step installed and the time of
# every step.
#
# Runs as root (through sudo otherwise). Everything happens below one scratch
# folder in /var/tmp (VELMORA_CHECK_DIR sets its parent). The systems' mounts
# (proc, sys, dev, tmpfs) are made inside a private mount and process
# namespace, so they vanish with it, whatever way the script ends; the scratch
# folder is removed only after that, and only if nothing is mounted below it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mirror=${VELMORA_DEBIAN_MIRROR:-http://deb.debian.org/debian}

usage() {
  echo "usage: $0 bookworm|trixie [--release-only]" >&2
  exit 2
}

log() { printf 'check-on-debian: %s\n' "$*"; }

# ---- Inside the namespace ------------------------------------------------

# Mounts what programs inside a system expect. All of it lives in this
# namespace only. /dev is a tmpfs with the few device nodes bound from the
# host, so nothing inside can reach the host's other devices.
mount_system() {
  local system=$1
  mount -t proc proc "$system/proc"
  mount -t sysfs -o ro sysfs "$system/sys"
  mount -t tmpfs -o mode=755,size=64m tmpfs "$system/dev"
  local node
  for node in null zero full random urandom tty; do
    touch "$system/dev/$node"
    mount --bind "/dev/$node" "$system/dev/$node"
  done
  mkdir "$system/dev/pts" "$system/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666 devpts "$system/dev/pts"
  ln -s pts/ptmx "$system/dev/ptmx"
  ln -s /proc/self/fd "$system/dev/fd"
  ln -s /proc/self/fd/0 "$system/dev/stdin"
  ln -s /proc/self/fd/1 "$system/dev/stdout"
  ln -s /proc/self/fd/2 "$system/dev/stderr"
  mount -t tmpfs -o mode=1777 tmpfs "$system/dev/shm"
  mount -t tmpfs -o mode=1777 tmpfs "$system/tmp"
  # One package cache for both systems: the second downloads only what the
  # first did not need.
  mount --bind "$work/archives" "$system/var/cache/apt/archives"
  cp /etc/resolv.conf "$system/etc/resolv.conf"
}

# Runs a command in a system as root, with a clean environment.
in_system() {
  local system=$1
  shift
  chroot "$system" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# A fresh minimal system with the release's updates and security sources.
make_system() {
  local system=$1
  mkdir -p "$work/debootstrap-cache"
  debootstrap --variant=minbase --cache-dir="$work/debootstrap-cache" \
    "$release" "$system" "$mirror" >"$work/debootstrap-$(basename "$system").log" 2>&1 || {
    tail -n 20 "$work/debootstrap-$(basename "$system").log" >&2
    return 1
  }
  local security=${mirror%/debian}/debian-security
  cat >"$system/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb $security $release-security main
EOF
  mount_system "$system"
  in_system "$system" apt-get update -q >/dev/null
}

# "<packages> packages, <MB> MB" of what dpkg has installed in a system.
installed() {
  if [ ! -e "$1/var/lib/dpkg/status" ]; then
    echo 0 0
    return
  fi
  in_system "$1" dpkg-query -W -f='${Status} ${Installed-Size}\n' |
    awk '/ installed / { n++; kb += $NF } END { printf "%d %d\n", n, kb / 1024 }'
}

# Runs a named step, then prints its time and what it installed.
step() {
  local system=$1 name=$2
  shift 2
  local before after start=$SECONDS
  before=$(installed "$system")
  log "== $name"
  "$@"
  after=$(installed "$system")
  read -r n0 mb0 <<<"$before"
  read -r n1 mb1 <<<"$after"
  log "$name: $((SECONDS - start)) s, $((n1 - n0)) packages and $((mb1 - mb0)) MB installed (system: $n1 packages, $mb1 MB)"
}

# The play set first, so that the figures of the README's two commands are
# told apart: the game's own, then what the tests add.
install_set() {
  local system=$1 set=$2
  in_system "$system" bash -c 'cd /root/velmora && tools/install-deps.sh "$1"' install-deps "$set" \
    >"$work/install-$set.log" 2>&1 || {
    tail -n 30 "$work/install-$set.log" >&2
    return 1
  }
}

run_test_command() {
  local system=$1 options=()
  [ "$mode" = release-only ] && options=(--release-only)
  in_system "$system" bash -c 'cd /root/velmora && tools/run-tests.sh "$@"' run-tests "${options[@]}"
}

# The package as a packager builds it, with Debian's hardening flags, and
# lintian's every tag on it, information included.
build_package() {
  local system=$1
  in_system "$system" bash -c 'cd /root/velmora && tools/build-package.sh' >"$work/package.log" 2>&1 || {
    tail -n 30 "$work/package.log" >&2
    return 1
  }
  deb=$(cd "$system/root/velmora/build-package" && ls velmora_*.deb)
  cp "$system/root/velmora/build-package/$deb" "$work/"
  log "built $deb ($(du -k "$work/$deb" | cut -f1) KB); lintian -I says:"
  in_system "$system" bash -c "cd /root/velmora/build-package && lintian -I --tag-display-limit 0 $deb" |
    sed 's/^/  /' || true
}

install_package() {
  local system=$1
  cp "$work/$deb" "$system/root/"
  in_system "$system" bash -c "cd /root && apt-get install -y -q ./$deb" >"$work/install.log" 2>&1 || {
    tail -n 30 "$work/install.log" >&2
    return 1
  }
}

# The installed game, started as its menu entry starts it, in a home folder
# without sounds, on a real X server: the splash, then the welcome dialog.
start_game() {
  local system=$1
  in_system "$system" apt-get install -y -q --no-install-recommends xvfb xauth xdotool >/dev/null
  local start=$SECONDS
  in_system "$system" bash -c '
    cd /root
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
      /usr/games/velmora >/tmp/velmora.log 2>&1 &
      game=\$!
      window=\$(timeout 60 xdotool search --sync --onlyvisible --name \"^Welcome to Velmora\$\") || {
        echo \"the welcome dialog was not mapped within 60 s\" >&2
        cat /tmp/velmora.log >&2
        exit 1
      }
      xdotool getwindowname \$window
      xdotool getwindowgeometry \$window
      kill \$game
    "' || return 1
  log "the welcome dialog was mapped $((SECONDS - start)) s after the game started"
}

inside() {
  mount --make-rprivate /
  local first=$work/first second=$work/second
  mkdir -p "$work/archives/partial"

  step "$first" "debootstrap $release (for the tests)" make_system "$first"
  mkdir -p "$first/root/velmora"
  tar -xf "$work/source.tar" -C "$first/root/velmora"
  step "$first" "tools/install-deps.sh play" install_set "$first" play
  step "$first" "tools/install-deps.sh test" install_set "$first" test
  step "$first" "tools/run-tests.sh${mode:+ --$mode}" run_test_command "$first"
  step "$first" "the .deb" build_package "$first"

  step "$second" "debootstrap $release (for the package)" make_system "$second"
  step "$second" "apt-get install ./$deb" install_package "$second"
  start_game "$second"
  log "$release: every step passed"
}

# ---- On the host -----------------------------------------------------------

# Removes the scratch folder, but never while anything is mounted below it:
# rm would then delete what the mount shows, for example the host's /dev.
cleanup() {
  local mounted
  mounted=$(awk -v work="$work/" 'index($2 "/", work) == 1 { print $2 }' /proc/self/mounts)
  if [ -n "$mounted" ]; then
    log "left $work in place: something is still mounted below it:" >&2
    echo "$mounted" >&2
    return
  fi
  rm -rf --one-file-system "$work"
}

host() {
  [ $# -ge 1 ] && [ $# -le 2 ] || usage
  local start
  release=$1
  case $release in bookworm | trixie) ;; *) usage ;; esac
  mode=
  if [ $# -eq 2 ]; then
    [ "$2" = --release-only ] || usage
    mode=release-only
  fi

  if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=VELMORA_DEBIAN_MIRROR,VELMORA_CHECK_DIR "$0" "$@"
  fi
  "$root/tools/install-deps.sh" check

  parent=${VELMORA_CHECK_DIR:-/var/tmp}
  work=$(mktemp -d "$parent/velmora-check-$release.XXXXXX")

  trap cleanup EXIT
  trap 'exit 130' INT TERM

  # The working tree as it is, without what git ignores (build folders).
  if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
      xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
      tar --null -T - -cf "$work/source.tar")
  else
    tar -C "$root" --exclude='./build*' --exclude=./screenshots -cf "$work/source.tar" .
  fi

  start=$SECONDS
  log "checking $release in $work"
  # --pid --fork: when the script inside ends, every process it started (audio
  # and X servers included) ends with it, and the namespace's mounts go too.
  # --kill-child: and it ends when this script is stopped, since the first
  # process of a namespace ignores a plain kill.
  unshare --mount --propagation private --pid --fork --kill-child --mount-proc \
    "$root/tools/check-on-debian.sh" --inside "$release" "$mode" "$work"
  log "$release: all steps took $((SECONDS - start)) s"
}

# The whole script is read before anything runs, so editing it meanwhile
# cannot change a check that is under way.
if [ "${1:-}" = --inside ]; then
  release=$2 mode=$3 work=$4
  inside
else
  host "$@"
fi
exit
