#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test headless.
set -e
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"
scripts/install-packages.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNOLVARI_SANITIZE=ON
cmake --build build-test
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
