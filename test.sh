#!/usr/bin/env bash
# The one test command: installs what is needed, builds every preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

echo "== native build and tests (ASan + UBSan)"
cmake --preset native
cmake --build --preset native
ctest --preset native -j2
# The random key-sequence run's figures (sequences, keys, slowest key) from the test log.
grep -hE '^(calculator|converter): |^  (slowest key|reached)' \
    build/native/Testing/Temporary/LastTest.log || true

echo "== optimised build of everything (benchmarks included), so a Release-only warning shows"
cmake --preset bench
cmake --build --preset bench

echo "== fuzz targets (clang libFuzzer): build and a short run"
fuzz/smoke.sh

echo "== Windows builds"
for preset in win32 win64; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --target all installer
done

if [ -x tests/e2e/run.sh ]; then
    echo "== end-to-end tests under Wine"
    tests/e2e/run.sh
fi
