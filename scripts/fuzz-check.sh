#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with Clang and runs each for a short
# time (FUZZ_SECONDS, default 20) from its checked-in corpus. A crash, hang,
# leak, sanitizer report or runaway memory fails the check; the input that
# caused it is kept in build-fuzz/artifacts/. Without Clang and its libFuzzer
# runtime the check says so and is skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${FUZZ_SECONDS:-20}"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz-check: no clang++, skipped"
    exit 0
fi
probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if ! echo "$probe" | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
    echo "fuzz-check: clang++ has no libFuzzer runtime, skipped"
    exit 0
fi

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTOVRIN_FUZZ=ON \
      -DTOVRIN_BUILD_GUI=OFF -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
targets=(fuzz_numbers fuzz_language fuzz_scenario)
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

# New inputs go to a scratch folder: the checked-in corpus stays as it is.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
             -artifact_prefix="$root/build-fuzz/artifacts/$target-")
    [ -f "fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
    echo "fuzz-check: $target for $seconds s"
    if ! "build-fuzz/bin/$target" "${options[@]}" "$work/$target" "$root/fuzz/corpus/$target" \
            >"$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        echo "fuzz-check: $target failed; the input is in build-fuzz/artifacts/"
        exit 1
    fi
    grep -E '^Done [0-9]+ runs' "$work/$target.log" || true
done
