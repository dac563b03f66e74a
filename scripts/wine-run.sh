#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, on a virtual X display.
#
#   wine-run.sh --prefix=DIR program.exe [args...]
#
# The prefix is made once and reused. A virtual display (Xvfb) and the prefix's
# server are started on first use, detached from this script's output, so a
# runner that reads our output through a pipe is not held up by Wine's helper
# processes. Both end by themselves a little while after the last program.
# Exit status: the program's own.
set -euo pipefail

prefix="${NAVORO_WINEPREFIX:-}"
if [[ "${1:-}" == --prefix=* ]]; then
  prefix="${1#--prefix=}"
  shift
fi
[ -n "$prefix" ] || { echo "wine-run.sh: no prefix given (--prefix=DIR)" >&2; exit 2; }
[ $# -ge 1 ] || { echo "wine-run.sh: no program given" >&2; exit 2; }

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
wine_env_up "$prefix"

exec wine "$@"
