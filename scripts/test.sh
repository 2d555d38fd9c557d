#!/usr/bin/env bash
# Builds everything, runs the tests, installs the package into a scratch
# prefix and builds the example module against it with find_package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
prefix=${INSTALL_PREFIX:-$build/_install}
jobs=${JOBS:-$(nproc)}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$jobs"
(cd "$build" && ctest --output-on-failure -j "$jobs")

cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -S "$root/examples/hostdev" -B "$build/_example" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/_example" -j "$jobs"
"$build/_example/hostdev_example"
