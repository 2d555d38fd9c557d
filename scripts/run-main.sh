#!/usr/bin/env bash
# The main job: builds the toolkit and runs the console host, with the module,
# the sibling module vkplan and the shipped standards, on the sample drawing
# with the sample script; the result is saved as
# build/out/site-plan-out.dxf.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=${JOBS:-$(nproc)}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVESKCAD_BUILD_TESTS=OFF -DVESKCAD_BUILD_BENCH=OFF
cmake --build "$build" -j "$jobs" --target veskcon vkplan veskcad_data
mkdir -p "$build/out"
"$build/bin/veskcon" --load "$build/lib/vkplan.so" -s "$root/data/samples/site-plan.scr" \
  -o "$build/out/site-plan-out.dxf" "$root/data/samples/site-plan.dxf"
echo "saved $build/out/site-plan-out.dxf"
