#!/usr/bin/env bash
# Builds the Debian package of Kelmira into the build folder and prints its path.
# Usage: scripts/package.sh [extra cmake arguments...]   (build folder: $KELMIRA_BUILD_DIR or build/)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELMIRA_BUILD_DIR:-$here/build}"

# The package's dependencies are found by dpkg-shlibdeps (dpkg-dev); the icons are rendered by
# rsvg-convert (librsvg2-bin, installed with the other build dependencies by setup.sh).
if ! command -v dpkg-shlibdeps >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends dpkg-dev
fi

"$here/scripts/setup.sh" "$build" "$@" >&2
# Only the packages made by this run are reported.
rm -f "$build"/kelmira_*.deb
(cd "$build" && cpack -G DEB >&2)
deb="$(ls "$build"/kelmira_*.deb)"
echo "$deb"
