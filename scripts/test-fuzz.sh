#!/usr/bin/env bash
# Builds the libFuzzer target of the number reading and number texts with clang and runs it from
# the seed corpus in tests/fuzz/corpus; a crash or broken property fails this script.
# QUORVIT_FUZZ_SECONDS sets how long it runs (60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
cmake -S tests/fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

# New inputs go to a scratch corpus; the seeds in the repository stay as they are.
rm -rf "$build/corpus" && mkdir "$build/corpus"
"$build/fuzz_valuetexts" "$build/corpus" tests/fuzz/corpus \
    -max_total_time="${QUORVIT_FUZZ_SECONDS:-60}" -print_final_stats=1 -artifact_prefix="$build/" \
    2>"$build/fuzz.log" || { tail -n 40 "$build/fuzz.log"; exit 1; }
grep -E '^Done|stat::number_of_executed_units' "$build/fuzz.log"
