#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and makes the Debian package
# build/skimsprinter_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
cpack --preset release
