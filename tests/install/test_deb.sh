#!/usr/bin/env bash
# Installs the Debian packages of OUTDIR on this machine (root), runs and compiles a script with the
# installed programs, checks the MIME type and the desktop entry are registered, then purges the
# packages and checks that none of their files or registrations is left.
# Usage: test_deb.sh OUTDIR
set -euo pipefail
out=$(realpath "${1:?usage: test_deb.sh OUTDIR}")
debs=("$out"/velmish*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: no .deb files in $out" >&2; exit 1; }
packages=()
for deb in "${debs[@]}"; do packages+=("$(dpkg-deb -f "$deb" Package)"); done
work=$(mktemp -d)
installed=0
# A failed or interrupted run takes the packages away again.
cleanup() {
    ((installed == 0)) || apt-get purge -y -qq "${packages[@]}" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }
content_type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }

for package in "${packages[@]}"; do
    ! dpkg -s "$package" >/dev/null 2>&1 || fail "$package is installed already; remove it first"
done
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "${debs[@]}" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "apt-get install of the packages failed"; }
installed=1
dpkg -L "${packages[@]}" | sort -u >"$work/files"
note "installed: $(wc -l <"$work/files") paths"

# A script run by the installed velint, and compiled and linked by velcomp into a program that
# runs anywhere.
cd "$work"
printf '%s\r\n' "LET [n] = '6'" "CALCVAR [n] = [n] * '7'" "ECHO 'answer '#[n]#' '#[command]" >answer.vl
[[ $(VL_UI=console /usr/bin/velint answer.vl from velint) == "[Velmish Echo] answer 42 from velint" ]] ||
    fail "velint answer.vl printed: $(VL_UI=console /usr/bin/velint answer.vl from velint 2>&1)"
/usr/bin/velcomp answer.vl /L </dev/null >compile.log 2>&1 || { cat compile.log; fail "velcomp answer.vl /L failed"; }
mkdir elsewhere && mv answer.exe elsewhere/
[[ $(VL_UI=console elsewhere/answer.exe) == "[Velmish Echo] answer 42 " ]] ||
    fail "the compiled program printed: $(VL_UI=console elsewhere/answer.exe 2>&1)"
# Both find the installed desktop module: with a display that cannot be opened, they say so.
for program in "/usr/bin/velint answer.vl" elsewhere/answer.exe; do
    message=$(DISPLAY=:99 VL_UI=desktop $program 2>&1 || true)
    [[ $message == *"could not open the display"* ]] || fail "$program did not load the desktop module: $message"
done
note "velint, velcomp, vellink and the desktop module work from the installed places"
# The editor starts with its libraries in place; without a display it says so.
if [[ " ${packages[*]} " == *" velmish-editor "* ]]; then
    message=$(DISPLAY=:99 /usr/bin/velide answer.vl 2>&1 || true)
    [[ $message == *"no display to open the editor on"* ]] || fail "/usr/bin/velide did not start: $message"
fi

[[ $(content_type answer.vl) == text/x-velmish ]] || fail "answer.vl has the type $(content_type answer.vl)"
# The editor, once packaged, is the default; the runner is always offered.
default=org.velmish.Run.desktop
[[ " ${packages[*]} " != *" velmish-editor "* ]] || default=org.velmish.Editor.desktop
applications=$(gio mime text/x-velmish 2>&1)
[[ $(head -n 1 <<<"$applications") == *": $default" && $applications == *org.velmish.Run.desktop* ]] ||
    fail "text/x-velmish should open with $default and offer org.velmish.Run.desktop: $applications"
grep -q '^text/x-velmish=.*org.velmish.Run.desktop' /usr/share/applications/mimeinfo.cache ||
    fail "mimeinfo.cache does not name org.velmish.Run.desktop for text/x-velmish"
note "*.vl is text/x-velmish, opened with $default"

apt-get purge -y -qq "${packages[@]}" >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "purge failed"; }
installed=0
left=()
while IFS= read -r path; do
    # Folders shared with other packages stay (/usr/share/man/man1); the packages' own must go.
    if [[ -d $path && ! -L $path ]]; then
        [[ $path != *velmish* ]] || left+=("$path")
    elif [[ -e $path || -L $path ]]; then
        left+=("$path")
    fi
done <"$work/files"
((${#left[@]} == 0)) || fail "left behind after purge: ${left[*]}"
[[ $(content_type answer.vl) != text/x-velmish ]] || fail "text/x-velmish is still registered"
! grep -q 'velmish' /usr/share/applications/mimeinfo.cache || fail "mimeinfo.cache still names a velmish entry"
note "purged: no file, MIME type or desktop entry left"
