#!/usr/bin/env bash
# Writes the seed inputs of the fuzz targets into tests/fuzz/corpus, which the repository
# keeps (inputs that once found a fault are kept beside them, named regression-*):
#   tests/fuzz/make_corpus.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
build="${1:-build}"
cmake --build "$build" -j2 --target kelmira-fuzz-seeds kelmira-sim
out=tests/fuzz/corpus
"$build/tests/fuzz/kelmira-fuzz-seeds" "$out"

# The last game of short simulation runs, saved by the command line.
sim() {
  local name="$1"
  shift
  "$build/cli/kelmira-sim" "$@" --save "$out/game_file/$name.kel" >/dev/null
}
sim sim-p2 --players 2 --games 2 --seed 2
sim sim-p3 --players 3 --games 2 --seed 3 --variant2
sim sim-p4 --players 4 --games 1 --seed 4 --variant1 --variant2 --variant3 --strategies 16,17,5,7
sim sim-p3-simple --players 3 --games 1 --seed 5 --strategies 1,2,3 --variant3
du -sh "$out"
