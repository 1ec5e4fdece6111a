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
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target tvhost-run DimChain
if [ $# -gt 0 ]; then
  exec build/tvhost run --plugin build/libDimChain.plx "$@"
fi
dir=build/run
rm -rf "$dir"
mkdir -p "$dir"
cp samples/chain.qdr "$dir/chain.qdr"
echo "== $dir/chain.qdr, playing samples/chain-pick.script"
build/tvhost run --plugin build/libDimChain.plx --open "$dir/chain.qdr" \
  --script samples/chain-pick.script --save "$dir/chain-saved.qdr"
echo "== the dimensions of $dir/chain-saved.qdr and what the command stored with it"
build/tvhost export --dimensions "$dir/chain-saved.qdr"
echo "== the report $dir/chain.txt"
iconv -f CP1251 -t UTF-8 "$dir/chain.txt" | tr -d '\r'
build/tvhost export --svg "$dir/chain-saved.qdr" "$dir/chain-saved.svg"

adir=$dir/assembly
mkdir -p "$adir"
cp samples/chain.qas samples/chain-plate.qpt samples/chain-bushing.qpt samples/chain-shaft.qpt "$adir/"
echo "== $adir/chain.qas, playing samples/chain-assembly.script"
build/tvhost run --plugin build/libDimChain.plx --open "$adir/chain.qas" \
  --script samples/chain-assembly.script --save "$adir/chain.qas"
echo "== the dimensions of the parts of $adir/chain.qas and what the command stored with it"
build/tvhost export --dimensions "$adir/chain.qas"
echo "== the report $adir/chain.txt"
iconv -f CP1251 -t UTF-8 "$adir/chain.txt" | tr -d '\r'
