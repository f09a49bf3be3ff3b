#!/usr/bin/env bash
# Configures and builds into ./build. Warnings are errors, also in a build folder that
# was configured before without them: the code builds clean.
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
if [ ! -f build/CMakeCache.txt ] && command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEVU_WARNINGS_AS_ERRORS=ON
cmake --build build --parallel "$(nproc)"
