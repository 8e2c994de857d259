#!/usr/bin/env bash
# Installs what is missing and makes the Debian package build/paket/quantenpfad_<version>_<arch>.deb
# from the Release build of scripts/run.sh (build/release, made for the prefix /usr; built here
# when it is missing or out of date), which installs with
#   sudo apt install ./build/paket/quantenpfad_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --with-packaging
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF -DQP_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build/release -j"$(nproc)"
mkdir -p build/paket
cd build/release
rm -f quantenpfad_*.deb
cpack -G DEB -B "$PWD/../paket" >/dev/null
rm -rf ../paket/_CPack_Packages
ls "$(cd ../paket && pwd)"/quantenpfad_*.deb
