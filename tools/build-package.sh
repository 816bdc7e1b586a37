#!/usr/bin/env bash
# Builds the Debian source package and the binary package from debian/, as
# Debian builds its own: the upstream tarball made from the working tree
# (without debian/), then dpkg-buildpackage with the tests of debian/rules.
#   tools/build-package.sh [-b] [FOLDER]   (FOLDER: build-package by default)
#     -b  the binary package only, no source package
# Writes into FOLDER the .orig.tar.xz, .debian.tar.xz, .dsc, the .debs, the
# .buildinfo and .changes; builds in FOLDER/velmora-VERSION. The build needs
# the packages of debian/control's Build-Depends (tools/install-deps.sh build,
# or apt-get build-dep ./). DEB_BUILD_OPTIONS=nocheck leaves the tests out.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
binary_only=false
if [ "${1:-}" = -b ]; then
  binary_only=true
  shift
fi
[ $# -le 1 ] || {
  echo "usage: $0 [-b] [FOLDER]" >&2
  exit 2
}
cd "$root"
out=$(realpath -m "${1:-build-package}")

command -v dpkg-buildpackage >/dev/null || {
  echo "dpkg-buildpackage is missing: install dpkg-dev (tools/install-deps.sh build)" >&2
  exit 1
}
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
epoch=$(dpkg-parsechangelog -S Timestamp)
tree=$out/velmora-$upstream
rm -rf "$tree"
mkdir -p "$tree"

# The files of the working tree, without what git ignores (build folders);
# without git, everything but the build folders.
if git rev-parse --git-dir >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
    tar --null -T - -cf - | tar -xf - -C "$tree"
else
  tar --exclude='./build*' --exclude=./screenshots -cf - . | tar -xf - -C "$tree"
fi

# The upstream tarball: the tree less debian/, with the names, owners and
# times fixed, so that it comes out the same from the same files.
(cd "$out" && tar --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$epoch" \
  --exclude="velmora-$upstream/debian" -cf - "velmora-$upstream" | xz -6 >"velmora_$upstream.orig.tar.xz")

options=(-us -uc -J"$(nproc)")
$binary_only && options+=(-b)
(cd "$tree" && dpkg-buildpackage "${options[@]}")
ls "$out"/velmora_"$version"_*.deb
