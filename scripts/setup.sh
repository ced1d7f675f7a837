#!/usr/bin/env bash
# Installs what the build needs (Debian), configures and builds into the given folder.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

"$here/scripts/install-packages.sh" g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libjpeg62-turbo-dev qt6-base-dev qt6-translations-l10n fonts-dejavu-core librsvg2-bin

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMIRA_WERROR=$werror "$@"
cmake --build "$build" -j"$(nproc)"
