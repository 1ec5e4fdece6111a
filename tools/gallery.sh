#!/usr/bin/env bash
# Builds every standard component of the catalogue at its sample sizes into build/gallery/:
# each sheet saved (.qdr) and drawn as SVG, each part saved (.qpt), written as STEP and drawn
# as its hidden-line projection (all by dimchain-gallery), and index.html showing them side by side with each part's
# name, volume and mass. Then reopens everything and checks the volumes it recorded.
# GALLERY_BUILD names a build folder to use as it is (else build/ is configured and built);
# GALLERY_OUT the output folder (else build/gallery); GALLERY_SIZES how many sizes of each
# component (else all; every kind of the base-detail builder is built in any case). The output
# folder is new, empty or an earlier gallery's, whose files are replaced; one that holds anything
# else is refused before anything is written, and left as it was.
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
# The names dimchain-gallery writes (its IsGalleryName says the same): sheets, parts (an
# assembly's components "G<n>-<k>"), their pictures and STEP files, its list and page.
own='^(G[0-9]+\.qdr(\.svg)?|G[0-9]+(-[0-9]+)?\.qpt(\.svg|\.step)?|gallery\.tsv|index\.html)$'
if [ -e "$out" ] || [ -L "$out" ]; then
  if [ ! -d "$out" ]; then
    echo "gallery: will not write into $out: it is no folder" >&2
    exit 1
  fi
  # A folder, link or other thing under a gallery's name is no file an earlier gallery wrote.
  foreign=$(LC_ALL=C ls -A "$out" | while IFS= read -r name; do
    if ! [[ $name =~ $own ]] || [ ! -f "$out/$name" ] || [ -L "$out/$name" ]; then
      printf '%s\n' "$name"
      break
    fi
  done || true)
  if [ -n "$foreign" ]; then
    echo "gallery: will not write into $out: it holds $foreign, which no gallery writes" >&2
    exit 1
  fi
  # An earlier gallery's own files go, so that what stays is this build's alone.
  LC_ALL=C ls -A "$out" | while IFS= read -r name; do rm -f -- "$out/$name"; done
fi
mkdir -p "$out"
# The program writes every file, the pictures and STEP files too, through the folder it holds;
# when it refuses (the folder swapped or moved away, a name taken) the gallery stops with its
# message and status, and nothing here writes through the name again.
"$build/dimchain-gallery" build "$root/samples" "$out" ${GALLERY_SIZES:-} || exit $?
status=0
"$build/dimchain-gallery" check "$out" || status=$?
echo "gallery: open $out/index.html"
exit "$status"
