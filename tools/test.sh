#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite three ways:
# the release build; again with AddressSanitizer and UndefinedBehaviorSanitizer (every test);
# and with ThreadSanitizer for the tests that start threads (label `threads`). To stay well inside
# CI's time all three compile in batches (DIMCHAIN_UNITY) and none builds the benchmarks, which
# none runs. The release one builds in build-unity/, so that build/ (tools/run.sh, everyday work)
# keeps compiling file by file, benchmarks included, and so catches a file that leans on another's
# includes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
jobs=$(nproc)
export CCACHE_BASEDIR="$PWD"

echo "== release build"
cmake -S . -B build-unity -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIMCHAIN_UNITY=ON -DDIMCHAIN_BENCH=OFF
cmake --build build-unity -j "$jobs"
ctest --test-dir build-unity -j "$jobs" --output-on-failure --timeout 900

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIMCHAIN_SANITIZE=ON -DDIMCHAIN_BENCH=OFF \
  -DDIMCHAIN_UNITY=ON
cmake --build build-asan -j "$jobs"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan -j "$jobs" --output-on-failure --timeout 1800

echo "== ThreadSanitizer build of the tests that start threads"
targets=()
while IFS= read -r f; do
  dir=${f#tests/}
  dir=${dir%%/*}
  targets+=("${dir,,}_threads_tests")
done < <(find tests -mindepth 2 -name '*ThreadTest.cpp' -not -path 'tests/support/*')
if [ ${#targets[@]} -gt 0 ]; then
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIMCHAIN_TSAN=ON -DDIMCHAIN_BENCH=OFF \
    -DDIMCHAIN_UNITY=ON
  mapfile -t targets < <(printf '%s\n' "${targets[@]}" | sort -u)
  cmake --build build-tsan -j "$jobs" --target "${targets[@]}"
  ctest --test-dir build-tsan -j "$jobs" -L threads --output-on-failure --timeout 900
fi
