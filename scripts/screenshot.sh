#!/usr/bin/env bash
# Takes packaging/screenshot.png (for the AppStream data, once it has a public address to name)
# from the real window: starts the built desktop program on a virtual X server with a fresh
# profile, waits for its window, photographs the screen and crops the picture to the window.
# Usage: scripts/screenshot.sh [seconds to wait before the picture, default 5]
# Environment: KELMIRA_BUILD_DIR (default build/), KELMIRA_SCREEN (default 1920x1200).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELMIRA_BUILD_DIR:-$here/build}"
program="$build/app/kelmira"
out="$here/packaging/screenshot.png"
wait_seconds="${1:-5}"
screen="${KELMIRA_SCREEN:-1920x1200}"

if [ ! -x "$program" ]; then
  echo "screenshot: $program is not built; run scripts/setup.sh first" >&2
  exit 1
fi

"$here/scripts/install-packages.sh" xvfb xauth x11-utils imagemagick

# A fresh profile folder: the picture shows the default settings, and the user's own profile
# and the build folder stay untouched.
profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT

# Runs inside the virtual X server. The program's window is the largest viewable top-level
# window (there is no window manager, so it carries no frame).
inside='
set -euo pipefail
program="$1"; profile="$2"; out="$3"; wait_seconds="$4"
unset QT_QPA_PLATFORM
"$program" "$profile" &
pid=$!
sleep "$wait_seconds"
if ! kill -0 "$pid" 2>/dev/null; then
  echo "screenshot: the program ended before the picture was taken" >&2
  exit 1
fi
best=""; best_area=0
for id in $(xwininfo -root -children | sed -n "s/^ *\(0x[0-9a-f]*\) .*/\1/p"); do
  info="$(xwininfo -id "$id")"
  grep -q "Map State: IsViewable" <<<"$info" || continue
  x=$(sed -n "s/.*Absolute upper-left X: *\(-\?[0-9]*\).*/\1/p" <<<"$info")
  y=$(sed -n "s/.*Absolute upper-left Y: *\(-\?[0-9]*\).*/\1/p" <<<"$info")
  w=$(sed -n "s/.*Width: *\([0-9]*\).*/\1/p" <<<"$info")
  h=$(sed -n "s/.*Height: *\([0-9]*\).*/\1/p" <<<"$info")
  if [ $((w * h)) -gt "$best_area" ]; then
    best_area=$((w * h)); best="${w}x${h}+${x}+${y}"
  fi
done
status=0
if [ -z "$best" ]; then
  echo "screenshot: no window of the program is shown" >&2
  status=1
else
  import -window root -crop "$best" +repage "$out"
  echo "screenshot: window $best written to $out"
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit "$status"
'
xvfb-run -a -s "-screen 0 ${screen}x24" bash -c "$inside" screenshot "$program" "$profile" "$out" "$wait_seconds"
