#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers into build-test/ and runs every test; the
# Debian package is made and checked too (scripts/check-package.sh, a Release build in build/).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test
# The package check runs before ctest so that ctest's summary closes the output; either failing
# fails the run.
package_status=0
./scripts/check-package.sh || package_status=$?
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
ctest --preset test
if [ "$package_status" -ne 0 ]; then
    echo "test.sh: the package check failed (see its messages above)" >&2
    exit "$package_status"
fi
