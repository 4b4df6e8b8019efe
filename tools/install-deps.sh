#!/usr/bin/env bash
# Installs the Debian packages a task needs, when they are missing.
#   install-deps.sh demo   compiler and CMake
#   install-deps.sh test   everything the full test run needs (GoogleTest, MinGW, Wine, Xvfb, packaging, ...)
#   install-deps.sh fuzz   clang and libFuzzer for the fuzz preset (tools/fuzz.sh); CI needs neither
set -euo pipefail

# The build runs a Python script to finish the runtime file, so the demo needs Python too.
demo_packages=(g++ cmake make python3)
# The Linux desktop front end builds against GTK 3 and XTest; its tests drive windows on Xvfb.
# locales: the editor's encoding test makes a Japanese locale, which gives Wine a two-byte code page.
# The packages and their checks (tools/package.sh, tests/install): CPack's dependency list, lintian,
# NSIS, the desktop files' validators, zip and GIO, which reads MIME types as desktops do.
# MCI plays files through GStreamer: playbin (base) and WAV files (good) in its tests.
# GtkSourceView 4 is the Linux editor's text view; its schema (libgtksourceview-4-common) checks
# editors/gtksourceview/velmish.lang; the grammar test uses the machine's Node.js and npm where they
# are installed.
test_packages=("${demo_packages[@]}" libgtest-dev python3 icoutils clang-format libgtk-3-dev libxtst-dev pkg-config
               libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
               xvfb xdotool x11-utils xclip imagemagick weston
               dpkg-dev file lintian nsis appstream desktop-file-utils libxml2-utils shared-mime-info zip libglib2.0-bin
               libgtksourceview-4-common libgtksourceview-4-dev
               locales)
fuzz_packages=("${demo_packages[@]}" clang libfuzzer-14-dev)

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
        mapfile -t need < <(missing "${test_packages[@]}")
        if [ ${#need[@]} -gt 0 ]; then
            [ "$(id -u)" -eq 0 ] && apt-get update -qq
            install "${need[@]}"
        fi
        # MinGW, Wine (with an emulator where the kernel runs no 32-bit programs), Xvfb and the
        # tools that drive windows.
        if [ "$(id -u)" -eq 0 ]; then
            "$(dirname "$0")/../tests/wine/install_deps.sh" >/dev/null
        fi
        ;;
    fuzz)
        mapfile -t need < <(missing "${fuzz_packages[@]}")
        if [ ${#need[@]} -gt 0 ]; then
            [ "$(id -u)" -eq 0 ] && apt-get update -qq
            install "${need[@]}"
        fi
        ;;
    *)
        echo "usage: $0 demo|test|fuzz" >&2
        exit 2
        ;;
esac
