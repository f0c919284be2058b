#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# asking apt only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    libpugixml-dev libeigen3-dev
    fonts-liberation fonts-dejavu-core
    lintian desktop-file-utils appstream
)
if [[ "${STAKEWELL_SCREENSHOT_TOOLS:-0}" == 1 ]]; then
    packages+=(xvfb xauth imagemagick xdotool openbox poppler-utils)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    if [[ $(id -u) -ne 0 ]]; then
        sudo=sudo
    else
        sudo=
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
