#!/usr/bin/env bash
# Configures and builds the whole tree in build/ (program, data files, tests, benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
