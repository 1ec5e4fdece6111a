#!/usr/bin/env bash
# Prints the test share: lines of test code divided by lines of the code under test.
# Counted: non-blank lines of .h/.hpp/.cpp/.c files that are not wholly comment (a line with
# code and a trailing comment counts; `//` lines and the inside of `/* */` blocks do not).
# Code is zelcadplx/, DimChain/ and tvapi/ (the stand-in host included); tests are everything
# under tests/ (support/ and the test plug-in included). bench/, tools/ and samples/ count on
# neither side. One row per tests/ folder against the code it tests, then the whole tree.
# Usage: tools/test-share.sh [--max RATIO]   (with --max, exits 1 when the whole is above it)
set -euo pipefail
cd "$(dirname "$0")/.."

max=""
if [ "${1:-}" = "--max" ]; then max="$2"; fi

count() {
  # Lines of code in the given files or folders (missing ones count 0).
  local paths=()
  for p in "$@"; do [ -e "$p" ] && paths+=("$p"); done
  [ ${#paths[@]} -eq 0 ] && { echo 0; return; }
  find "${paths[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.c' \) -print0 |
    xargs -0 -r awk '
      FNR == 1 { block = 0 }
      {
        s = $0
        code = 0
        while (1) {
          if (block) {
            i = index(s, "*/")
            if (i == 0) { s = ""; break }
            s = substr(s, i + 2); block = 0
          }
          sub(/^[ \t\r]+/, "", s)
          if (s == "" || substr(s, 1, 2) == "//") break
          if (substr(s, 1, 2) == "/*") { block = 1; s = substr(s, 3); continue }
          code = 1
          # A block opened after code on the same line (not inside a string).
          i = index(s, "/*")
          if (i > 0) {
            pre = substr(s, 1, i - 1)
            if (gsub(/"/, "\"", pre) % 2 == 0 && index(pre, "//") == 0) { block = 1; s = substr(s, i + 2); continue }
          }
          break
        }
        n += code
      }
      END { print n + 0 }' | awk '{ t += $1 } END { print t + 0 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "-"; else printf "%.2f", a / b }'; }

row() {
  # row NAME TESTS_DIR CODE_DIR...
  local name=$1 t=$2; shift 2
  local tl cl
  tl=$(count "$t"); cl=$(count "$@")
  printf '%-22s %7s %7s %6s\n' "$name" "$tl" "$cl" "$(ratio "$tl" "$cl")"
}

printf '%-22s %7s %7s %6s\n' "folder" "tests" "code" "share"
S=zelcadplx/Source
for d in Foundation Geometry Triangles Curves Facade; do
  row "tests/$d" "tests/$d" "$S/Service/$d"
done
row "tests/Events" tests/Events "$S/Events"
row "tests/BaseDet" tests/BaseDet "$S/BaseDet"
row "tests/DimChain" tests/DimChain DimChain
row "tests/tvapi" tests/tvapi tvapi
row "tests/support" tests/support /nonexistent
echo
lib_t=$(count tests)
code=$(count zelcadplx DimChain tvapi)
nohost=$(count zelcadplx DimChain)
nohost_t=$(( lib_t - $(count tests/tvapi) ))
printf '%-22s %7s %7s %6s\n' "without the stand-in" "$nohost_t" "$nohost" "$(ratio "$nohost_t" "$nohost")"
share=$(ratio "$lib_t" "$code")
printf '%-22s %7s %7s %6s\n' "whole tree" "$lib_t" "$code" "$share"
if [ -n "$max" ] && awk -v s="$share" -v m="$max" 'BEGIN { exit !(s > m) }'; then
  echo "test share $share is above $max" >&2
  exit 1
fi
