#!/usr/bin/env bash
# Runs the launcher's main job: installs what is missing, builds, then starts
# a simulated GPS receiver on COM8, the stand-in map and navoroLauncher.exe
# under Wine. Options go to tools/demo.py (--help lists them).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw >/dev/null
exec python3 tools/demo.py "$@"
