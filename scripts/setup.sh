#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (as root, non-interactive).
# Skips everything already present, so it is cheap to call before every build.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in cmake make ninja-build googletest mingw-w64 g++-mingw-w64-i686-posix \
         wine wine64 wine32:i386 fonts-wine xvfb xauth openbox x11-utils xdotool socat imagemagick \
         cups printer-driver-cups-pdf libcups2:i386 poppler-utils; do
    have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -eq 0 ]; then
    exit 0
fi

echo "setup: installing ${need[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
