#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: a normal build, then an
# AddressSanitizer + UndefinedBehaviorSanitizer build, then the end-to-end test when present.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
jobs=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVEXMOOR_SANITIZE=ON -DVEXMOOR_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x tests/e2e/run.sh ]; then
  tests/e2e/run.sh build/vexmoor
fi
echo "All tests passed."
