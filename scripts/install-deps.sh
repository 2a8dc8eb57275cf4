#!/usr/bin/env bash
# Installs from Debian's packages whatever a job needs and this machine lacks. Uses sudo when
# not run as root.
#   scripts/install-deps.sh [group ...]      groups: run (the default), test, fuzz, package
# Every group takes the run group along.
set -euo pipefail

# Building the program and running it: a Japanese window needs Qt's platform plugins, Qt's own
# Japanese texts and a Japanese font.
run=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-qpa-plugins libgl-dev
    libexiv2-dev
    fonts-noto-cjk fontconfig
    locales
)
# The libFuzzer targets.
fuzz=(clang libclang-rt-14-dev)
# The test suite and what CI runs besides it: the validators the installed-tree test calls, the
# fuzz targets, the formatter, a window on a virtual screen with screenshots to look at, and a
# FUSE file system for the rename tests.
test=(
    desktop-file-utils appstream
    clang-format
    xvfb xauth x11-apps imagemagick
    libfuse-dev  # builds the FUSE file system the rename tests mount where they can
    "${fuzz[@]}"
)
# The Debian package: shared-library dependencies (dpkg-shlibdeps, which CPack finds with
# file) and the package's check.
package=(dpkg-dev file lintian)

packages=("${run[@]}")
for group in "${@:-run}"; do
    case "$group" in
        run) ;;
        test) packages+=("${test[@]}") ;;
        fuzz) packages+=("${fuzz[@]}") ;;
        package) packages+=("${package[@]}") ;;
        *) echo "unknown group: $group (run, test, fuzz or package)" >&2; exit 2 ;;
    esac
done

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
