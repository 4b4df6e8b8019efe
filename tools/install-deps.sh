#!/usr/bin/env bash
# Installs the Debian packages a task needs, when they are missing.
#   install-deps.sh demo   compiler and CMake
#   install-deps.sh test   everything the full test run needs (GoogleTest, MinGW, Wine, Xvfb, ...)
set -euo pipefail

demo_packages=(g++ cmake make)
test_packages=("${demo_packages[@]}" libgtest-dev python3 g++-mingw-w64-i686 xvfb xdotool x11-utils
               imagemagick icoutils)
wine_packages=(wine32:i386)

missing() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || echo "$package"
    done
}

install() {
    [ $# -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: $* (run as root to install them)" >&2
        exit 1
    fi
    echo "Installing: $*"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null
}

case "${1:-demo}" in
    demo)
        mapfile -t need < <(missing "${demo_packages[@]}")
        if [ ${#need[@]} -gt 0 ]; then
            [ "$(id -u)" -eq 0 ] && apt-get update -qq
            install "${need[@]}"
        fi
        ;;
    test)
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            [ "$(id -u)" -eq 0 ] || { echo "Run as root to add the i386 architecture for Wine" >&2; exit 1; }
            dpkg --add-architecture i386
        fi
        mapfile -t need < <(missing "${test_packages[@]}" "${wine_packages[@]}")
        if [ ${#need[@]} -gt 0 ]; then
            [ "$(id -u)" -eq 0 ] && apt-get update -qq
            install "${need[@]}"
        fi
        ;;
    *)
        echo "usage: $0 demo|test" >&2
        exit 2
        ;;
esac
