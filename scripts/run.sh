#!/usr/bin/env bash
# Sets everything up and starts the program: the game table in a window. Arguments go to the
# program (the first names the profile folder).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELMIRA_BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh" "$build"
if [ ! -x "$build/app/kelmira" ]; then
  echo "The desktop program was not built (Qt 6 missing?); see the output above." >&2
  exit 1
fi
exec "$build/app/kelmira" "$@"
