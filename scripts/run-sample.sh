#!/bin/sh
# Installs what is missing, builds the program and opens it on a fresh copy of the sample
# installation (in build/sample/Nolvari). Extra arguments go to the program.
set -e
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ] && [ -z "$QT_QPA_PLATFORM" ]; then
    echo "run-sample.sh opens the program's window and needs a display (DISPLAY or WAYLAND_DISPLAY);" >&2
    echo "without a desktop, QT_QPA_PLATFORM=vnc serves the window to a VNC viewer on port 5900." >&2
    exit 1
fi
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"
scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOLVARI_TESTS=OFF
cmake --build build --target nolvari
rm -rf build/sample
mkdir -p build/sample
cp -r sample/Nolvari build/sample/Nolvari
exec build/nolvari --data-root build/sample/Nolvari "$@"
