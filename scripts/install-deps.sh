#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

# Qt Charts needs the OpenGL module's CMake package and Qt HTTP Server the WebSockets
# one; neither comes with the -dev package that asks for it. dpkg-dev and file serve
# CPack, which reads the programs' library dependencies for the Debian package. Qt's
# translations give its own buttons and dialogs the chosen language; DejaVu shows Latin
# and Cyrillic, WenQuanYi Micro Hei Chinese.
packages=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev
    qt6-httpserver-dev qt6-websockets-dev
    qt6-translations-l10n libbenchmark-dev fonts-dejavu-core fonts-wqy-microhei
    dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
