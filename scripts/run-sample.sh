#!/bin/sh
# Installs what is missing, builds the program and opens it on a fresh copy of the sample
# installation (in build/sample/Nolvari). Extra arguments go to the program.
set -e
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"
scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOLVARI_TESTS=OFF
cmake --build build --target nolvari
rm -rf build/sample
mkdir -p build/sample
cp -r sample/Nolvari build/sample/Nolvari
exec build/nolvari --data-root build/sample/Nolvari "$@"
