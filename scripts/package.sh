#!/usr/bin/env bash
# Builds the Debian package of Tintrix: installs what is missing, builds a release in build/
# and writes build/tintrix_<version>_<arch>.deb. Install it with
#   sudo apt install ./build/tintrix_<version>_<arch>.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
cd "$build"
cpack -G DEB
