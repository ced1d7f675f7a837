#!/usr/bin/env bash
# Sets everything up and starts the program. Until the desktop window exists this plays a
# short simulation run: 200 four-player games of the computer players, report on stdout.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELMIRA_BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh" "$build"
exec "$build/cli/kelmira-sim" --players 4 --games 200 "$@"
