#!/usr/bin/env bash
# Builds the whole test suite a second time with AddressSanitizer (and its leak checker) and
# UndefinedBehaviorSanitizer, and runs it: any finding aborts its test and fails this script.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Reading every drawing back in Python checks bytes the plain build's run checks too.
export QUORVIT_SANITIZED=1
# The random window test runs fewer actions here: each one costs several times more.
export QUORVIT_MONKEY_ACTIONS=${QUORVIT_MONKEY_ACTIONS_SANITIZED:-10000}

# Line tables are all a finding's stack needs; full debug information costs a tenth more.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQUORVIT_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
