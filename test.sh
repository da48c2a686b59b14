#!/usr/bin/env bash
# Builds Quorvit and runs every test headless; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_test_locale

export QT_QPA_PLATFORM=offscreen
# The build run.sh makes and users run: optimised, without the debug information that costs a
# fifth of the build.
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release >/dev/null
# Every library the build links comes from a package the set-up installs (a fresh machine has
# only those), so a missing one is named here rather than found on a newcomer's machine.
scripts/check-build-packages.sh build-test
cmake --build build-test -j"$(nproc)"
scripts/test-install.sh build-test
scripts/test-sanitizers.sh
scripts/test-fuzz.sh
# The suite itself last, so that its summary closes the output.
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
