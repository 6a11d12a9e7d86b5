#!/usr/bin/env bash
# Sets everything up, builds TovrinCALC and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target tovrincalc tovrincalc-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display available: start the window from a desktop session, or use build/bin/tovrincalc-cli (see README)."
    exit 1
fi
exec build/bin/tovrincalc
