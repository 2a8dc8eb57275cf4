#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the program and the tests need and this
# machine lacks. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-qpa-plugins libgl-dev
    libexiv2-dev
    fonts-noto-cjk fontconfig
    xvfb xauth x11-apps imagemagick
    libbenchmark-dev clang clang-format libclang-rt-14-dev
    libfuse-dev  # builds the FUSE file system the rename tests mount where they can
    desktop-file-utils appstream dpkg-dev
    locales
)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The system's own error texts (a refused rename, a folder that cannot be read) are shown to the
# user, and in Japanese only where the Japanese locale exists.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "Generating the ja_JP.UTF-8 locale"
    if grep -q '^[#[:space:]]*ja_JP\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        "${sudo_cmd[@]}" sed -i 's/^[#[:space:]]*\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    else
        echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo_cmd[@]}" locale-gen
fi
