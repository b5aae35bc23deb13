#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with the virtual radio attached
# (a simulated radio on one more serial port), so Read and Write work without a radio.
# --no-virtual-radio as the first argument starts it without; other arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZB_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

virtual=(--virtual-radio)
if [ "${1:-}" = "--no-virtual-radio" ]; then
  virtual=()
  shift
fi

bin="$build/bin"  # every executable lands here
if [ -x "$bin/zb347rx" ]; then
  exec "$bin/zb347rx" "${virtual[@]}" "$@"
fi
exec "$bin/zb347rx-cli" --help
