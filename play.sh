#!/usr/bin/env bash
# Installs what is missing, builds a Release build and plays the game.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target vexmoor
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found; to play without one run: xvfb-run -s '-screen 0 1280x800x24' $(pwd)/build/vexmoor" >&2
  exit 1
fi
exec ./build/vexmoor
