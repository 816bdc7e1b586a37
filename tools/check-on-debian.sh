#!/usr/bin/env bash
# Builds and tests the Debian source package on a fresh Debian system, as
# Debian's own build machines and test runners do:
#   tools/check-on-debian.sh RELEASE [--twice]   (RELEASE: bookworm, trixie or forky)
# 1. builds a minimal system of RELEASE with debootstrap, copies the working
#    tree (tracked and untracked files, nothing ignored) into it, installs
#    build-essential and the package's declared build dependencies alone
#    (apt-get build-dep), and builds the source and binary packages with
#    dpkg-buildpackage (tools/build-package.sh) as a user without root rights
#    or a home folder, the tests running inside the build; then runs that
#    release's lintian on them, every tag shown;
# 2. with --twice, builds the package again in the same system at another
#    path, umask, locale and time zone, without its tests, and compares the
#    two builds' .debs byte for byte (diffoscope explains a difference);
# 3. builds a second minimal system, installs the .deb there with apt-get and
#    runs the package's autopkgtests in it (autopkgtest's chroot backend).
# It prints the packages and megabytes each step installed and the time of
# every step.
#
# Runs as root (through sudo otherwise). Everything happens below one scratch
# folder in /var/tmp (VELMORA_CHECK_DIR sets its parent). The systems' mounts
# (proc, sys, dev, tmpfs) are made inside a private mount and process
# namespace, so they vanish with it, whatever way the script ends; the scratch
# folder is removed only after that, and only if nothing is mounted below it.
# Debian testing's (forky's) archive may be a snapshot past its Release
# file's Valid-Until; for that release alone apt is told not to check it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mirror=${VELMORA_DEBIAN_MIRROR:-http://deb.debian.org/debian}

usage() {
  echo "usage: $0 bookworm|trixie|forky [--twice]" >&2
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

# Runs a command in a system as the unprivileged user "builder", whose home
# folder does not exist, as on Debian's build machines.
as_builder() {
  local system=$1
  shift
  chroot "$system" /usr/bin/env -i HOME=/nonexistent LANG=C.UTF-8 TERM=dumb LOGNAME=builder USER=builder \
    PATH=/usr/local/bin:/usr/bin:/bin setpriv --reuid=builder --regid=builder --init-groups "$@"
}

# A fresh minimal system with the release's updates and security sources
# (testing has neither). A debootstrap older than the release knows it by the
# script of unstable, which is the same.
make_system() {
  local system=$1 script=()
  mkdir -p "$work/debootstrap-cache"
  [ -e "/usr/share/debootstrap/scripts/$release" ] || script=(/usr/share/debootstrap/scripts/sid)
  debootstrap --variant=minbase --cache-dir="$work/debootstrap-cache" \
    "$release" "$system" "$mirror" "${script[@]}" >"$work/debootstrap-$(basename "$system").log" 2>&1 || {
    tail -n 20 "$work/debootstrap-$(basename "$system").log" >&2
    return 1
  }
  local security=${mirror%/debian}/debian-security
  if [ "$release" = forky ]; then
    echo "deb $mirror $release main" >"$system/etc/apt/sources.list"
    echo 'Acquire::Check-Valid-Until "false";' >"$system/etc/apt/apt.conf.d/80velmora-snapshot"
  else
    cat >"$system/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb $security $release-security main
EOF
  fi
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
  local before after start=$SECONDS status=0
  before=$(installed "$system")
  log "== $name"
  # In a subshell of its own, so that a failing command ends the step at
  # once and the step's time and status are still told.
  set +e
  (
    set -e
    "$@"
  )
  status=$?
  set -e
  after=$(installed "$system")
  read -r n0 mb0 <<<"$before"
  read -r n1 mb1 <<<"$after"
  log "$name: $((SECONDS - start)) s, $((n1 - n0)) packages and $((mb1 - mb0)) MB installed (system: $n1 packages, $mb1 MB)"
  [ $status -eq 0 ] || log "$name: FAILED (status $status)"
  return $status
}

# build-essential, which every Debian package may assume, and what
# debian/control's Build-Depends name; nothing else.
install_build_deps() {
  local system=$1
  in_system "$system" bash -c 'cd /build/velmora &&
    apt-get install -y -q --no-install-recommends build-essential &&
    apt-get build-dep -y -q --no-install-recommends ./' >"$work/build-deps.log" 2>&1 || {
    tail -n 30 "$work/build-deps.log" >&2
    return 1
  }
}

# The source and binary packages, built by an unprivileged user without a
# home folder, the tests inside the build. The compiler's warnings are
# counted: the build is meant to have none.
build_package() {
  local system=$1 log=$work/package.log
  as_builder "$system" bash -c 'cd /build/velmora && tools/build-package.sh /build/package' >"$log" 2>&1 || {
    tail -n 60 "$log" >&2
    return 1
  }
  grep -E 'tests passed|tests failed out of' "$log" | sed 's/^/  /'
  log "compiler warnings in the build: $(grep -c ' warning: ' "$log" || true)"
  mkdir -p "$work/package"
  cp "$system"/build/package/velmora_* "$system"/build/package/velmora-dbgsym_* "$work/package/"
  local file
  for file in "$work"/package/*.deb "$work"/package/*.dsc "$work"/package/*.tar.*; do
    log "built $(basename "$file") ($(du -k "$file" | cut -f1) KB)"
  done
}

# That release's lintian on the source and binary packages, every tag shown;
# an error or a warning fails the step, and the check once its other steps
# have run.
run_lintian() {
  local system=$1
  in_system "$system" apt-get install -y -q --no-install-recommends lintian >/dev/null
  as_builder "$system" bash -c 'cd /build/package &&
    lintian --pedantic --info --tag-display-limit 0 velmora_*.changes' >"$work/lintian.log" 2>&1 || true
  log "lintian $(in_system "$system" dpkg-query -W -f='${Version}' lintian) says:"
  sed 's/^/  /' "$work/lintian.log"
  ! grep -q '^[EW]: ' "$work/lintian.log"
}

# The package built again, at another path, with another umask, locale and
# time zone, minutes later and without its tests; SOURCE_DATE_EPOCH comes
# from debian/changelog both times, as dpkg-buildpackage sets it.
build_again() {
  local system=$1 elsewhere=/var/tmp/elsewhere/at/another/depth
  as_builder "$system" bash -c "mkdir -p $elsewhere && cp -a /build/velmora $elsewhere/source &&
    cd $elsewhere/source && umask 0002 &&
    LC_ALL=C TZ=XYZ-14 DEB_BUILD_OPTIONS=nocheck tools/build-package.sh -b ../package" \
    >"$work/package-again.log" 2>&1 || {
    tail -n 40 "$work/package-again.log" >&2
    return 1
  }
  local deb different=()
  for deb in "$system"/build/package/*.deb; do
    if cmp "$deb" "$system$elsewhere/package/$(basename "$deb")"; then
      log "identical: $(basename "$deb") (sha256 $(sha256sum <"$deb" | cut -c1-16)...)"
    else
      different+=("$(basename "$deb")")
    fi
  done
  [ ${#different[@]} -eq 0 ] && return
  in_system "$system" apt-get install -y -q --no-install-recommends diffoscope-minimal >/dev/null
  for deb in "${different[@]}"; do
    log "differs: $deb; diffoscope says:"
    in_system "$system" diffoscope --text - "/build/package/$deb" "$elsewhere/package/$deb" |
      head -n 200 | sed 's/^/  /' || true
  done
  return 1
}

install_package() {
  local system=$1 deb
  deb=$(cd "$work/package" && ls velmora_*.deb)
  cp "$work/package/$deb" "$system/root/"
  in_system "$system" bash -c "cd /root && apt-get install -y -q ./$deb" >"$work/install.log" 2>&1 || {
    tail -n 30 "$work/install.log" >&2
    return 1
  }
}

# The package's own tests of the installed package, run by the host's
# autopkgtest in the second system through its chroot backend; the test
# dependencies it installs are counted in this step.
run_autopkgtest() {
  local system=$1
  dpkg-source -x "$(ls "$work"/package/velmora_*.dsc)" "$work/source" >/dev/null
  autopkgtest --no-built-binaries --output-dir "$work/autopkgtest" \
    "$(ls "$work"/package/velmora_*.deb)" "$work/source" \
    -- chroot "$system" >"$work/autopkgtest.log" 2>&1 || {
    tail -n 60 "$work/autopkgtest.log" >&2
    return 1
  }
  sed 's/^/  /' "$work/autopkgtest/summary"
}

inside() {
  mount --make-rprivate /
  local first=$work/first second=$work/second
  mkdir -p "$work/archives/partial"

  step "$first" "debootstrap $release (for the build)" make_system "$first"
  in_system "$first" useradd --system --home-dir /nonexistent --no-create-home builder
  mkdir -p "$first/build/velmora"
  tar -xf "$work/source.tar" -C "$first/build/velmora"
  in_system "$first" chown -R builder:builder /build
  step "$first" "build-essential and apt-get build-dep ./" install_build_deps "$first"
  step "$first" "dpkg-buildpackage, its tests inside the build" build_package "$first"
  local lintian_passed=true
  step "$first" "lintian --pedantic --info" run_lintian "$first" || lintian_passed=false
  if [ "$mode" = twice ]; then
    step "$first" "the package built again and compared" build_again "$first"
  fi

  step "$second" "debootstrap $release (for the package)" make_system "$second"
  step "$second" "apt-get install ./velmora_*.deb" install_package "$second"
  step "$second" "autopkgtest" run_autopkgtest "$second"
  if ! $lintian_passed; then
    log "$release: lintian found errors or warnings (above)" >&2
    return 1
  fi
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
  case $release in bookworm | trixie | forky) ;; *) usage ;; esac
  mode=
  if [ $# -eq 2 ]; then
    [ "$2" = --twice ] || usage
    mode=twice
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
