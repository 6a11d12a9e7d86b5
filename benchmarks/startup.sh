#!/usr/bin/env bash
# Start-up of the window against a bare Qt window with six empty tabs (the
# floor), timed the same way: launch to window mapped under Xvfb, each launch
# with a fresh HOME, launches of the two programs interleaved (the order
# alternates from pair to pair), N pairs after one unmeasured warm-up launch of
# each. Prints every pair, the medians, the ratio of the medians and the median
# of the pairwise ratios, the same for the CPU time each program has used when
# its window maps (on a busy machine the wall-clock times scatter widely, the
# CPU times far less), and the private memory (RssAnon) and CPU time of each
# program once it has settled after start-up.
#
#   bash benchmarks/startup.sh [-n PAIRS] [-s SETTLE_MS] [-b BUILD_DIR] [-c]
#
# With -c it counts instructions instead, which the machine's load does not
# change: one launch of each program under valgrind's callgrind, from the
# start of the process to the first turn of its event loop (the window is
# built and shown; its first paint follows), and on to the settled window.
#
# Builds the Release build in BUILD_DIR (default build-release) with the
# benchmarks. Needs Xvfb and the X11 headers (Debian: xvfb, libx11-dev), and
# valgrind for -c. A benchmark, not a test: the times depend on the machine
# and its load.
set -euo pipefail

pairs=9
settle=500
count=""
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-release"
while getopts "n:s:b:c" opt; do
    case "$opt" in
    n) pairs="$OPTARG" ;;
    s) settle="$OPTARG" ;;
    b) build="$(realpath -m "$OPTARG")" ;;
    c) count=1 ;;
    *) echo "usage: $0 [-n PAIRS] [-s SETTLE_MS] [-b BUILD_DIR] [-c]" >&2; exit 2 ;;
    esac
done

command -v Xvfb >/dev/null || { echo "Xvfb is missing (Debian: apt-get install xvfb)" >&2; exit 2; }
[ -z "$count" ] || command -v valgrind >/dev/null || { echo "valgrind is missing (Debian: apt-get install valgrind)" >&2; exit 2; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTOVRIN_BUILD_BENCHMARKS=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 --target tovrincalc bare_window launch_to_map >/dev/null
bin="$build/bin"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to the fd given.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
display=":$(head -n1 "$work/display")"

# One launch of the command given, in an empty HOME that is also the working
# directory (so the window finds its language files beside the executable, as
# when installed).
launch() {
    local home
    home="$(mktemp -d "$work/home.XXXXXX")"
    mkdir -m 700 "$home/run"
    (cd "$home" && env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$home/run" DISPLAY="$display" \
        LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$bin/launch_to_map" "$settle" "$@")
    rm -rf "$home"
}

launch "$bin/tovrincalc" >/dev/null
launch "$bin/bare_window" >/dev/null

if [ -n "$count" ]; then
    # Instructions of one launch under callgrind, which dumps its counts on
    # entering the event loop and again when the process ends (a forked helper
    # process such as dbus-launch leaves files of its own, without a first part).
    # Under valgrind the first paint takes seconds: the window settles longer.
    settle=4000
    instructions() {
        local out first before after
        out="$work/cg.$(basename "$1")"
        launch valgrind --tool=callgrind --dump-before='QCoreApplication::exec*' \
            --callgrind-out-file="$out.%p" "$1" >/dev/null 2>"$work/valgrind.log" ||
            { cat "$work/valgrind.log" >&2; exit 1; }
        first="$(ls "$out".*.1)"
        before="$(sed -n 's/^summary: //p' "$first")"
        after="$(sed -n 's/^summary: //p' "${first%.1}")"
        echo "$before $((before + after))"
    }
    read -r app_start app_all <<<"$(instructions "$bin/tovrincalc")"
    read -r floor_start floor_all <<<"$(instructions "$bin/bare_window")"
    awk -v as="$app_start" -v aa="$app_all" -v fs="$floor_start" -v fa="$floor_all" 'BEGIN {
        printf "instructions to the event loop      window %.1f M, floor %.1f M, ratio %.3f\n", as / 1e6, fs / 1e6, as / fs
        printf "instructions to the settled window  window %.1f M, floor %.1f M, ratio %.3f\n", aa / 1e6, fa / 1e6, aa / fa
    }'
    exit 0
fi

printf '%4s  %10s  %10s  %6s  %14s  %14s\n' pair "window ms" "floor ms" ratio "window CPU ms" "floor CPU ms"
: >"$work/results"
for i in $(seq "$pairs"); do
    if [ $((i % 2)) -eq 1 ]; then
        app="$(launch "$bin/tovrincalc")"
        floor="$(launch "$bin/bare_window")"
    else
        floor="$(launch "$bin/bare_window")"
        app="$(launch "$bin/tovrincalc")"
    fi
    echo "$app $floor" >>"$work/results"
    awk -v i="$i" '{ printf "%4d  %10.1f  %10.1f  %6.3f  %14.1f  %14.1f\n", i, $1, $5, $1 / $5, $2, $6 }' \
        <<<"$app $floor"
done

# Columns: window ms, CPU ms at map, KiB, CPU ms settled; the same for the floor.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
col() { awk -v c="$1" '{ print $c }' "$work/results" | median; }
app_ms=$(col 1) app_map_cpu=$(col 2) app_kib=$(col 3) app_cpu=$(col 4)
floor_ms=$(col 5) floor_map_cpu=$(col 6) floor_kib=$(col 7) floor_cpu=$(col 8)
pair_ratio=$(awk '{ print $1 / $5 }' "$work/results" | median)
cpu_pair_ratio=$(awk '{ print $2 / $6 }' "$work/results" | median)

echo
awk -v am="$app_ms" -v fm="$floor_ms" -v pr="$pair_ratio" -v ak="$app_kib" -v fk="$floor_kib" \
    -v ac="$app_cpu" -v fc="$floor_cpu" -v n="$pairs" -v s="$settle" -v amc="$app_map_cpu" \
    -v fmc="$floor_map_cpu" -v cpr="$cpu_pair_ratio" 'BEGIN {
    printf "median of %d pairs   window %.1f ms, floor %.1f ms\n", n, am, fm
    printf "ratio of medians     %.3f\n", am / fm
    printf "median pair ratio    %.3f\n", pr
    printf "CPU time at map      window %.1f ms, floor %.1f ms\n", amc, fmc
    printf "  ratio of medians   %.3f\n", amc / fmc
    printf "  median pair ratio  %.3f\n", cpr
    printf "RssAnon (%d ms after map)   window %.2f MiB, floor %.2f MiB\n", s, ak / 1024, fk / 1024
    printf "CPU time by then     window %.1f ms, floor %.1f ms\n", ac, fc
}'
