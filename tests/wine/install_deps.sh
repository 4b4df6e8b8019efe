#!/usr/bin/env bash
# Installs what the Wine tests need on Debian 12 (run as root, e.g. from the CI script).
#
# - wine32:i386 runs the 32-bit Windows programs; wine64 adds a native 64-bit wineserver, which
#   serves the 32-bit programs as well and makes every Wine call much faster where they are emulated.
# - Xvfb, xdotool, x11-utils (xwininfo) and imagemagick (import) drive and record the windows.
# - Where the kernel runs no 32-bit programs (some virtual machines), the 32-bit Wine runs under
#   qemu-i386 instead, registered by setup.sh through binfmt_misc. Debian 12's own qemu 7.2 cannot
#   run Wine (it ignores MAP_FIXED_NOREPLACE and Wine fails to map its shared user data); the qemu of
#   bookworm-backports (10.0) can.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

packages=(wine32:i386 wine64 xvfb xdotool x11-utils imagemagick g++-mingw-w64-i686)

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

i386_runs_natively() {
    [[ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Nothing to do when everything is in place (the usual case after the first run).
all_installed=1
for package in "${packages[@]}"; do installed "$package" || all_installed=0; done
if ((all_installed)) && { i386_runs_natively || installed qemu-user-static; }; then
    exit 0
fi

dpkg --add-architecture i386
apt-get update
apt-get install -y --no-install-recommends "${packages[@]}"

if ! i386_runs_natively; then
    echo "32-bit programs do not run natively here: installing qemu-i386 from bookworm-backports"
    sources=/etc/apt/sources.list.d/bookworm-backports.sources
    if [[ ! -e $sources ]]; then
        # The backports suite comes from the same Debian mirror as the machine's main suite.
        mirror=$(awk '$1 == "URIs:" { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
            true)
        [[ -n $mirror ]] || mirror=$(awk '$1 == "deb" && $3 == "bookworm" { print $2; exit }' /etc/apt/sources.list)
        printf '%s\n' 'Types: deb' "URIs: $mirror" 'Suites: bookworm-backports' 'Components: main' \
            'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$sources"
        apt-get update
    fi
    apt-get install -y --no-install-recommends -t bookworm-backports qemu-user-static
fi
