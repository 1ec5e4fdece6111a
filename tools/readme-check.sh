#!/usr/bin/env bash
# Plays the README's commands as a user would type them, in a copy of the repository's samples
# with build/ holding the given tvhost and plug-in, and checks that every line the README shows
# after a command block (save "..." and the clone's own path) is one the commands printed.
# Usage: readme-check.sh SOURCE_DIR TVHOST PLUGIN
set -euo pipefail
src=$(realpath "$1") tvhost=$(realpath "$2") plugin=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tools" "$work/build"
cp -r "$src/samples" "$work/"
cp "$src/tools/run.sh" "$work/tools/"
ln -s "$tvhost" "$work/build/tvhost"
ln -s "$plugin" "$work/build/libDimChain.plx"
export DIMCHAIN_BUILT=1

printed=$work/printed.txt
: > "$printed"
missing=0 blocks=0 in=0
block=()
finish() {
  blocks=$((blocks + 1))
  local first=${block[0]:-}
  if [[ $first =~ ^(bash|mkdir|cp)\  ]]; then
    # A command block: run it (the test command excepted: this is it) and keep what it prints.
    local cmds=() l
    for l in "${block[@]}"; do
      [[ $l == *tools/test.sh* ]] || cmds+=("${l%%#*}")
    done
    (cd "$work" && printf '%s\n' "${cmds[@]}" | bash -e) 2>&1 | tr -d '\r' > "$printed" || {
      echo "README block $blocks failed:"; printf '  %s\n' "${cmds[@]}"; cat "$printed"; missing=$((missing + 1)); }
  else
    local l
    for l in "${block[@]}"; do
      [[ $l == ... || $l == */path/to/the/clone/* ]] && continue
      grep -qxF -- "$l" "$printed" || { echo "README block $blocks: not printed: $l"; missing=$((missing + 1)); }
    done
  fi
}
while IFS= read -r line; do
  if [[ $line == '```'* ]]; then
    if ((in)); then finish; in=0; else in=1; block=(); fi
  elif ((in)); then
    block+=("$line")
  fi
done < "$src/README.md"
if ((missing)); then
  echo "$missing README lines do not hold"
  exit 1
fi
echo "$blocks README blocks hold"
