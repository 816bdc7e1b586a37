#!/usr/bin/env bash
# Builds the Debian package with Debian's hardening flags, in a build folder of
# its own so that the developer build keeps its flags.
# Usage: tools/build-package.sh [BUILD_FOLDER]   (default: build-package)
# Writes BUILD_FOLDER/velmora_<version>_<architecture>.deb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build-package}
cd "$root"

command -v dpkg-buildflags >/dev/null || {
  echo "dpkg-buildflags is missing: install dpkg-dev (tools/install-deps.sh test)" >&2
  exit 1
}
# Every hardening feature, as Debian's own packages are built; a caller may
# ask for other options through the same variable.
export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
# CMake has no place for preprocessor flags: they go with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# The build type "None": the flags are dpkg-buildflags' alone (optimisation
# and debug information included), given again on every run so that they
# stay current.
cmake --preset package -B "$build" -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build "$build" --target package -j"$(nproc)"
ls "$build"/velmora_*.deb
