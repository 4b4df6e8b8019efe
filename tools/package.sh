#!/usr/bin/env bash
# Makes every release artifact into OUTDIR (default build/packages): the Debian packages (CPack,
# checked with lintian and the desktop files' validators), the Windows setup program (NSIS), a
# zip of the same folder and, where Node.js is installed, the VS Code extension (.vsix).
#   tools/package.sh [OUTDIR]
# It builds in the preset folders build/linux and build/windows (configured with their presets when
# new), so after tools/test.sh nothing is built twice. VELMISH_LINUX_BUILD and
# VELMISH_WINDOWS_BUILD name other folders, configured with the same presets.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
out=$(realpath -m "${1:-build/packages}")
linux_build=$(realpath -m "${VELMISH_LINUX_BUILD:-build/linux}")
windows_build=$(realpath -m "${VELMISH_WINDOWS_BUILD:-build/windows}")
jobs=$(nproc)

step() { printf '\n== %s ==\n' "$*"; }

# Configures a build folder with a preset unless it is configured already, then brings it up to date.
build() {
    local preset=$1 dir=$2
    [[ -f $dir/CMakeCache.txt ]] || cmake --preset "$preset" -B "$dir" >/dev/null
    cmake --build "$dir" -j"$jobs"
}

mkdir -p "$out"
# Scratch space, kept after a failure for a look.
work=$out/work
rm -rf "$work" "$out"/*.deb "$out"/*.exe "$out"/*.zip "$out"/*.vsix
mkdir -p "$work"

step "Linux build"
build linux "$linux_build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$linux_build/CMakeCache.txt")

step "Desktop files"
packaging/linux/validate.sh "$linux_build/packaging"

step "Debian packages"
(cd "$linux_build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; exit 1; }
mv "$work"/deb/*.deb "$out"/
# Tags the packages tolerate are overridden inside them (packaging/linux/lintian/), with a reason.
lintian --fail-on error,warning --info "$out"/*.deb

step "Windows build"
build windows "$windows_build"

step "Windows setup program and zip"
stage=$work/velmish-$version
cmake --install "$windows_build" --prefix "$stage" --strip >"$work/install-windows.log"
packaging/windows/file_lists.sh "$stage" "$work/nsis"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DLISTS="$work/nsis" \
    -DOUTFILE="$out/velmish-$version-setup.exe" "$top/packaging/windows/velmish.nsi"
(cd "$work" && zip -qrX "$out/velmish-$version-windows.zip" "velmish-$version")

step "VS Code extension"
# vsce, at a pinned version, from the npm registry: without Node.js or the registry there is no .vsix,
# and a line says so; the other artifacts do not depend on it.
extension_version=$(sed -n 's/^  "version": "\(.*\)",$/\1/p' editors/vscode/package.json)
if [[ $extension_version != "$version".* ]]; then
    echo "editors/vscode/package.json has version $extension_version; the project has $version" >&2
    exit 1
elif ! command -v npx >/dev/null; then
    echo "No .vsix: Node.js (npx) is not installed"
elif ! (cd editors/vscode && timeout 300 npx --yes @vscode/vsce@3.9.2 package --skip-license \
        --allow-missing-repository -o "$out/velmish-$version.vsix" </dev/null >"$work/vsce.log" 2>&1); then
    tail -5 "$work/vsce.log"
    echo "No .vsix: vsce could not run (is the npm registry reachable?)"
fi

rm -rf "$work"
step "Artifacts in $out"
(cd "$out" && ls -l -- *.deb *.exe *.zip $(compgen -G '*.vsix' || true))
