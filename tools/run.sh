#!/usr/bin/env bash
# Installs what is missing, builds the tvhost command and the plug-in, and runs the
# plug-in's command inside the stand-in host. Further arguments go to `tvhost run`
# (for instance `--new drawing` to start with a new drawing open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target tvhost-run DimChain
build/tvhost run --plugin build/libDimChain.plx "$@"
