#!/usr/bin/env bash
# Sets everything up, builds and starts Mirvel on the ready data folder build/data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export MIRVEL_DATA_DIR="$PWD/build/data"
exec ./build/mirvel
