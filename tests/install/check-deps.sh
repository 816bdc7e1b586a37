#!/usr/bin/env bash
# The dependency lists stay true: on a machine where the test set has been
# installed, tools/install-deps.sh finds nothing missing for either set. With
# apt-get and sudo replaced by stubs that fail loudly, both runs must end with
# status 0 and print nothing; a virtual or misspelt name in a list would make
# the script try to install it on every run.
#   check-deps.sh SOURCE
set -uo pipefail
source=$1
script=$source/tools/install-deps.sh
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
for tool in apt-get sudo; do
  printf '#!/bin/sh\necho "%s was called: $*"\nexit 100\n' "$tool" >"$stubs/$tool"
  chmod +x "$stubs/$tool"
done

for set in play build test; do
  out=$(PATH=$stubs:$PATH "$script" "$set" 2>&1)
  status=$?
  [ $status -eq 0 ] || fail "install-deps.sh $set ended with status $status"
  [ -z "$out" ] || fail "install-deps.sh $set printed: $out"
done

play=$("$script" list play)
test=$("$script" list test)
[ -n "$play" ] || fail "the play set is empty"
duplicates=$(sort <<<"$test" | uniq -d)
[ -z "$duplicates" ] || fail "listed twice: $duplicates"
missing=$(comm -23 <(sort <<<"$play") <(sort <<<"$test"))
[ -z "$missing" ] || fail "the test set lacks packages of the play set: $missing"
# Installed means real: dpkg knows no virtual package by name.
while read -r package; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    fail "$package is not an installed package"
done <<<"$test"

[ $failures -eq 0 ]
