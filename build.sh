#!/usr/bin/env bash
# Quirrel2 build helper. Usage: ./build.sh <command>
#   deps       install the Debian packages the build needs (apt-get; sudo when not root)
#   build      configure and build into build/ (program: build/bin/quirrel2)
#   test       deps, build, run every test with CTest (offscreen)
#   test-asan  the same with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#   run        build and start the program on the first FTDI converter
#   demo       build and start the program on the built-in simulated ZENTA-SPOT (sim:508)
#   fuzz       build the libFuzzer targets (clang) and run each for FUZZ_SECONDS (default 60)
#   bench      build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev qt6-serialport-dev
          libgl-dev libjpeg-dev clang libclang-rt-14-dev libbenchmark-dev fonts-liberation
          locales)
JOBS=$(nproc 2>/dev/null || echo 2)

deps() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_build() { # dir [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

run_tests() { # dir
    local log
    log=$(mktemp)
    local rc=0
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$JOBS" 2>&1 | tee "$log" || rc=1
    if grep -q -E 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$log"; then
        echo "Sanitizer report found in the test output." >&2
        rc=1
    fi
    rm -f "$log"
    return $rc
}

need_display() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        cat >&2 <<MSG
No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open.
Run it on a desktop, or under a virtual display:
    sudo apt-get install xvfb && xvfb-run -a ./build.sh $1
MSG
        exit 1
    fi
}

cmd=${1:-test}
case "$cmd" in
deps) deps ;;
build) deps; configure_build build ;;
test) deps; configure_build build; run_tests build ;;
test-asan)
    deps
    configure_build build-asan -DQUIRREL2_SANITIZE=ON -DQUIRREL2_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 run_tests build-asan ;;
run) deps; configure_build build; need_display run; exec build/bin/quirrel2 ;;
demo)
    deps; configure_build build; need_display demo
    QUIRREL2_METER=sim:508 exec build/bin/quirrel2 ;;
fuzz)
    deps
    CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DQUIRREL2_FUZZ=ON \
        -DQUIRREL2_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j "$JOBS" --target fuzzers
    seconds=${FUZZ_SECONDS:-60}
    for f in build-fuzz/fuzz/fuzz_*; do
        [ -f "$f" ] && [ -x "$f" ] || continue
        name=$(basename "$f")
        mkdir -p "fuzz-corpus/$name"
        seeds=()
        [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
        echo "== $name for ${seconds}s"
        "$f" -max_total_time="$seconds" -max_len=20000 -print_final_stats=1 \
            "fuzz-corpus/$name" "${seeds[@]}" 2>&1 | tail -n 12
    done ;;
bench)
    deps; configure_build build
    for b in build/bench/bench_*; do
        [ -f "$b" ] && [ -x "$b" ] || continue
        echo "== $(basename "$b")"
        "$b"
    done ;;
*) sed -n '2,12p' "$0"; exit 2 ;;
esac
