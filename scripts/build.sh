#!/usr/bin/env bash
# Configures and builds into ./build (warnings are errors: the code builds clean).
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEVU_WARNINGS_AS_ERRORS=ON
fi
cmake --build build --parallel "$(nproc)"
