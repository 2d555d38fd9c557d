#!/usr/bin/env bash
# The main job: builds the toolkit and runs the example module, written the
# way a developer of the host writes one, against the installed package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
prefix=${INSTALL_PREFIX:-$build/_install}
jobs=${JOBS:-$(nproc)}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVESKCAD_BUILD_TESTS=OFF -DVESKCAD_BUILD_BENCH=OFF
cmake --build "$build" -j "$jobs"
cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -S "$root/examples/hostdev" -B "$build/_example" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/_example" -j "$jobs"
"$build/_example/hostdev_example"
