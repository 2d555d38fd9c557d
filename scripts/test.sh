#!/usr/bin/env bash
# Builds everything, runs the tests, installs the package into a scratch
# prefix and builds the example modules against it with find_package.
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
for example in hostdev standards; do
  cmake -S "$root/examples/$example" -B "$build/_example_$example" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build/_example_$example" -j "$jobs"
  # The examples use the installed libraries, and so the installed data root.
  "$build/_example_$example/${example}_example"
done
