#!/usr/bin/env bash
# debian/control's Build-Depends and the build set of tools/install-deps.sh
# name the same packages on every release the table knows: each of its
# dependencies (one of its alternatives) is in the release's set, and each
# package of the set is one of them. build-essential (g++, make, dpkg-dev) is
# in the set for a plain build and must not be in Build-Depends; debhelper is
# asked for there as debhelper-compat, which names the compatibility level.
#   check-build-deps.sh SOURCE
set -uo pipefail
source=$1
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# One line per dependency, its alternatives separated by spaces, without
# versions, architectures or build profiles.
groups=$(awk '
    /^#/ { next }
    /^[^ \t]/ { inside = ($0 ~ /^Build-Depends:/); sub(/^Build-Depends:/, "") }
    inside { print }' "$source/debian/control" |
  tr '\n' ' ' | tr ',' '\n' |
  sed -e 's/([^)]*)//g' -e 's/\[[^]]*\]//g' -e 's/<[^>]*>//g' -e 's/|/ /g' -e 's/  */ /g' \
    -e 's/^ //' -e 's/ $//' | sed '/^$/d')
[ -n "$groups" ] || fail "debian/control has no Build-Depends"

for essential in g++ make dpkg-dev build-essential; do
  grep -qw -- "$essential" <<<"$groups" && fail "Build-Depends names $essential, which build-essential brings"
done

for release in bookworm trixie forky; do
  set=$(VELMORA_DEBIAN_RELEASE=$release "$source/tools/install-deps.sh" list build |
    grep -vx -e g++ -e make -e dpkg-dev | sed 's/^debhelper$/debhelper-compat/')
  [ -n "$set" ] || { fail "$release: the build set is empty"; continue; }
  while read -r group; do
    met=false
    for name in $group; do
      grep -qx -- "$name" <<<"$set" && met=true
    done
    $met || fail "$release: Build-Depends' \"$group\" is not in the build set of install-deps.sh"
  done <<<"$groups"
  while read -r name; do
    grep -qw -- "$name" <<<"$(tr ' ' '\n' <<<"$groups")" ||
      fail "$release: $name of the build set is not in Build-Depends"
  done <<<"$set"
done

[ $failures -eq 0 ]
