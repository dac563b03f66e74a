#!/usr/bin/env bash
# Builds everything and runs all tests under Wine. Installs missing system
# packages first. Extra arguments go to ctest (for example -R relay_test).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw

# End this build tree's Wine processes and display when the tests are done.
source scripts/wine-env.sh
trap 'wine_env_down "$PWD/build/mingw/wineprefix"' EXIT
ctest --preset mingw "$@"
