#!/usr/bin/env bash
# Builds every standard component of the catalogue at its sample sizes into build/gallery/:
# each sheet saved (.qdr) and drawn as SVG, each part saved (.qpt), written as STEP and drawn
# as its hidden-line projection (all by dimchain-gallery), and index.html showing them side by side with each part's
# name, volume and mass. Then reopens everything and checks the volumes it recorded.
# GALLERY_BUILD names a build folder to use as it is (else build/ is configured and built);
# GALLERY_OUT the output folder (else build/gallery); GALLERY_SIZES how many sizes of each
# component (else all; every kind of the base-detail builder is built in any case).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${GALLERY_BUILD:-}" ]; then
  build=$GALLERY_BUILD
else
  build=$root/build
  bash "$root/tools/setup.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build" -j "$(nproc)" --target tvhost-run dimchain-gallery
fi
out=${GALLERY_OUT:-$build/gallery}
rm -rf "$out"
mkdir -p "$out"
# The program writes every file, the pictures and STEP files too, through the folder it holds;
# when it refuses (the folder swapped or moved away, a name taken) the gallery stops with its
# message and status, and nothing here writes through the name again.
"$build/dimchain-gallery" build "$root/samples" "$out" ${GALLERY_SIZES:-} || exit $?
status=0
"$build/dimchain-gallery" check "$out" || status=$?
echo "gallery: open $out/index.html"
exit "$status"
