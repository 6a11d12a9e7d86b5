#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, then builds and runs every test three times: a normal
# build, one under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# optimised Release build that users run, from which the Debian package is
# made and checked.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTOVRIN_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOVRIN_SANITIZE=ON -DTOVRIN_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-asan && ctest --output-on-failure -j"$jobs")

# The extended arithmetic at -O2 can differ from Debug in the last digits.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTOVRIN_WERROR=ON >/dev/null
cmake --build build-release -j"$jobs"
(cd build-release && ctest --output-on-failure -j"$jobs")
bash scripts/package-check.sh build-release

# The fuzz targets, each for a short time from its corpus (where Clang is installed).
bash scripts/fuzz-check.sh
