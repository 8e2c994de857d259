#!/usr/bin/env bash
# Installs what is missing, builds Quantenpfad (Release, installed under /usr) and makes
# the Debian package build/paket/quantenpfad_<version>_<arch>.deb, which installs with
#   sudo apt install ./build/paket/quantenpfad_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --with-packaging
cmake -S . -B build/paket -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF -DQP_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build/paket -j"$(nproc)"
cd build/paket
rm -f quantenpfad_*.deb
cpack -G DEB >/dev/null
ls "$PWD"/quantenpfad_*.deb
