#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not there yet (as root, or through sudo).
set -euo pipefail

packages=(
    cmake g++ make pkg-config ninja-build
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
    qt6-translations-l10n libqt6multimedia6 libqt6help6 libqt6sql6-sqlite libgl-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    fonts-dejavu-core
    dpkg-dev desktop-file-utils appstream
    python3-scipy cadical
)
if [ "${1:-}" = "--with-screen" ]; then
    packages+=(xvfb xauth imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=()
else
    SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
