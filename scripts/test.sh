#!/usr/bin/env bash
# Installs what is missing, builds Quantenpfad with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors, and runs every test headless under ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQP_SANITIZE=ON -DQP_WERROR=ON -DQP_BENCH=OFF >/dev/null
cmake --build build/test -j"$(nproc)"
cd build/test
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j"$(nproc)"
