#!/bin/sh
# Builds the fuzz targets with clang and runs each from its committed seed corpus.
#   run_fuzz.sh BUILD_DIR [RUNS]
# RUNS (default 4000) bounds each target's runs; new inputs go to a scratch folder, never into
# the committed corpus. Exit 77 (skipped) when clang with libFuzzer is not installed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
runs=${2:-4000}
cxx=${ZB_FUZZ_CXX:-clang++}
if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "fuzz: $cxx not found: skipped"
    exit 77
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$probe/p.cpp"
if ! "$cxx" -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
    echo "fuzz: $cxx cannot link libFuzzer (package libclang-rt-dev): skipped"
    exit 77
fi
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" $launcher >/dev/null
fi
cmake --build "$build" -j2 >"$probe/build.log" 2>&1 || { cat "$probe/build.log"; exit 1; }
for target in data_files image ini freq_edit link_replies; do
    scratch="$probe/$target"
    mkdir -p "$scratch"
    echo "fuzz_$target: $runs runs"
    "$build/fuzz_$target" -runs="$runs" -max_len=20000 -print_final_stats=0 \
        "$scratch" "$here/corpus/$target" 2>"$probe/log" || { cat "$probe/log"; exit 1; }
done
