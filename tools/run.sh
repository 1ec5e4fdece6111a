#!/usr/bin/env bash
# Installs what is missing, builds the tvhost command and the plug-in, and shows the
# dimension-chain command at work. Without arguments: on a copy of samples/chain.qdr in
# build/run it plays samples/chain-pick.script (the collinear chain picked, its report saved,
# OK) and prints what the user sees, the dimensions of the drawing as saved and the report;
# the drawing and its SVG picture are saved next to the copy. Then the assembly session: on a
# copy of samples/chain.qas and its parts in build/run/assembly it plays
# samples/chain-assembly.script (the closing dimension picked and its chain recognised, checked,
# a deviation typed, the report, OK) and prints the same. With arguments, they go to
# `tvhost run` as they are (for instance `--new drawing` to start with a new drawing open).
set -euo pipefail
cd "$(dirname "$0")/.."
# DIMCHAIN_BUILT=1: build/ already holds tvhost and the plug-in (the README's check uses it).
if [ -z "${DIMCHAIN_BUILT:-}" ]; then
  bash tools/setup.sh
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build build -j "$(nproc)" --target tvhost-run DimChain
fi
if [ $# -gt 0 ]; then
  exec build/tvhost run --plugin build/libDimChain.plx "$@"
fi
# Plays script $2 on the document $1 (a copy), saving it as $3, and prints the saved
# document's dimensions, what the command stored and the report beside it.
session() {
  local doc=$1 script=$2 saved=$3
  echo "== $doc, playing $script"
  build/tvhost run --plugin build/libDimChain.plx --open "$doc" --script "$script" --save "$saved"
  echo "== the dimensions of $saved and what the command stored with it"
  build/tvhost export --dimensions "$saved"
  echo "== the report ${doc%.*}.txt"
  iconv -f CP1251 -t UTF-8 "${doc%.*}.txt" | tr -d '\r'
}
dir=build/run
rm -rf "$dir"
mkdir -p "$dir/assembly"
cp samples/chain.qdr "$dir/chain.qdr"
session "$dir/chain.qdr" samples/chain-pick.script "$dir/chain-saved.qdr"
build/tvhost export --svg "$dir/chain-saved.qdr" "$dir/chain-saved.svg"
cp samples/chain.qas samples/chain-plate.qpt samples/chain-bushing.qpt samples/chain-shaft.qpt "$dir/assembly/"
session "$dir/assembly/chain.qas" samples/chain-assembly.script "$dir/assembly/chain.qas"
