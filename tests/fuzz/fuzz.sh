#!/bin/sh
# Builds the libFuzzer targets with clang-14 and AddressSanitizer into build-fuzz
# and runs one of them on a corpus of its own. Not part of the normal build or CI.
#   tests/fuzz/fuzz.sh [target] [libFuzzer options...]
#   e.g. tests/fuzz/fuzz.sh fuzz_odsleser -max_total_time=600 -rss_limit_mb=2048 -timeout=10
set -e
cd "$(dirname "$0")/../.."
ziel=${1:-fuzz_odsleser}
[ $# -gt 0 ] && shift
if ! command -v clang++-14 >/dev/null || ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    als=""; [ "$(id -u)" -ne 0 ] && als=sudo
    $als apt-get install -y clang-14 libclang-rt-14-dev
fi
# The whole program is built again with clang: ccache, where there is one, keeps repeats short.
cache=""
command -v ccache >/dev/null && cache="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build-fuzz -DBELEGWERK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 $cache >/dev/null
cmake --build build-fuzz --target "$ziel" -j2
korpus=build-fuzz/korpus-$ziel
mkdir -p "$korpus"
if [ -f "tests/fuzz/$ziel.py" ] && [ -z "$(ls -A "$korpus")" ]; then
    python3 "tests/fuzz/$ziel.py" "$korpus"
fi
woerter=""
[ -f "tests/fuzz/$ziel.dict" ] && woerter="-dict=$(pwd)/tests/fuzz/$ziel.dict"
exec "build-fuzz/tests/fuzz/$ziel" $woerter "$@" "$korpus"
