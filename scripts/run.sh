#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZB_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

if [ -x "$build/zb347rx" ]; then
  exec "$build/zb347rx" "$@"
fi
exec "$build/tools/zb347rx-cli" --help
