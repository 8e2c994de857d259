#!/usr/bin/env bash
# Installs what is missing, builds Quantenpfad (Release) and starts it. The build is made for
# the prefix /usr, so that scripts/package.sh packs this same build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF -DQP_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/app/quantenpfad "$@"
