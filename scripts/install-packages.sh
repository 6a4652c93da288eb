#!/bin/sh
# Installs the Debian packages the build and the tests need, when any is missing.
set -e
PACKAGES="qt6-base-dev fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils ccache cmake ninja-build g++ lld"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
