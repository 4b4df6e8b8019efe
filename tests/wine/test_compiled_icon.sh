#!/usr/bin/env bash
# velcomp.exe /L /E /I:icon compiles a program with its own icon: vellink.exe puts the images of
# the icon file, made here with the same sizes and depths as the runtime's icon, into the program's
# icon group 1000 in place. Read back with wrestool, the program holds the icon file's image bytes
# and pixels, where the same program linked without /I: holds the runtime's icon; the two programs
# have the same length and differ only inside the icon images; the program with the new icon runs.
# Usage: test_compiled_icon.sh VELCOMP_EXE VELLINK_EXE VELRUN_RTL ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
runtime_icon=$(realpath -m "$(dirname "$0")/../../src/platform/win32/velmish.ico")
begin_compiled_test "$@"

[[ -f $runtime_icon ]] || fail "no runtime icon at $runtime_icon"
for tool in convert identify compare icotool wrestool python3; do
    command -v "$tool" >/dev/null || fail "$tool is missing (imagemagick, icoutils, python3)"
done

# ---- an icon file shaped like the runtime's icon: 16x16 and 32x32, 32 bits a pixel ----
mkdir -p icons || fail "cannot make the icons folder"
convert -size 16x16 xc:yellow -fill blue -draw 'rectangle 4,4,11,11' \
    \( -size 32x32 gradient:red-blue -fill white -draw 'circle 16,16 16,8' \) -alpha on icons/app.ico ||
    fail "convert could not make icons/app.ico"
identify "$runtime_icon" >runtime_icon.identify.txt
identify icons/app.ico >app_icon.identify.txt
icotool -l "$runtime_icon" >runtime_icon.txt || fail "icotool cannot read $runtime_icon"
icotool -l icons/app.ico >app_icon.txt || fail "icotool cannot read icons/app.ico"
diff runtime_icon.txt app_icon.txt >&2 ||
    fail "icons/app.ico has other image sizes or depths than the runtime's icon (see above)"
note "icons/app.ico: $(tr '\n' ' ' <app_icon.txt | sed 's/--icon //g')"

# Splits an icon file into its images: DIR/WIDTHxHEIGHT.bin holds an image's bytes as stored.
split_icon_file() {
    local file=$1 dir=$2 count index entry width height size offset
    mkdir -p "$dir"
    count=$(od -An -tu2 -j4 -N2 "$file" | tr -d ' ')
    for ((index = 0; index < count; index++)); do
        entry=$((6 + 16 * index))
        width=$(od -An -tu1 -j"$entry" -N1 "$file" | tr -d ' ')
        height=$(od -An -tu1 -j$((entry + 1)) -N1 "$file" | tr -d ' ')
        size=$(od -An -tu4 -j$((entry + 8)) -N4 "$file" | tr -d ' ')
        offset=$(od -An -tu4 -j$((entry + 12)) -N4 "$file" | tr -d ' ')
        tail -c +$((offset + 1)) "$file" | head -c "$size" >"$dir/${width}x${height}.bin"
    done
}

# Takes the icon images of a program out as stored (DIR/WIDTHxWIDTH.bin, the width read from the
# image's bitmap header) and its icon group 1000 as an icon file (DIR/group.ico) with its images as
# PNG files (DIR/png/).
program_icons() {
    local program=$1 dir=$2 name width
    mkdir -p "$dir/png"
    wrestool -l "$program" >"$dir/resources.txt" || fail "wrestool cannot read $program"
    grep -q -- '--type=14 --name=1000 ' "$dir/resources.txt" || fail "$program has no icon group 1000"
    # shellcheck disable=SC2013 # resource names are numbers
    for name in $(sed -n 's/^--type=3 --name=\([0-9]*\) .*/\1/p' "$dir/resources.txt"); do
        wrestool -x --raw -t 3 -n "$name" "$program" >"$dir/image$name.bin" ||
            fail "wrestool cannot take icon image $name out of $program"
        width=$(od -An -tu4 -j4 -N4 "$dir/image$name.bin" | tr -d ' ')
        mv "$dir/image$name.bin" "$dir/${width}x${width}.bin"
    done
    { wrestool -x -t 14 -n 1000 "$program" >"$dir/group.ico" && icotool -x -o "$dir/png" "$dir/group.ico"; } ||
        fail "cannot take icon group 1000 out of $program"
}

# Number of pixels that differ between two images of the same size.
differing_pixels() {
    compare -metric AE "$1" "$2" null: 2>&1
}

script=("ECHO 'Program with its own icon.'")

# ---- linked with the runtime's own icon ----
compiler_folder plain
plain=$FOLDER
write_script "$plain/prog.vl" "${script[@]}"
compile compile_plain "$plain" 0 prog.vl /L /E
[[ -f $plain/prog.exe ]] || fail "no prog.exe after velcomp /L"

# ---- linked with icons/app.ico ----
compiler_folder icon
iconic=$FOLDER
write_script "$iconic/prog.vl" "${script[@]}"
compile compile_icon "$iconic" 0 prog.vl /L /E "/I:$(windows_path icons/app.ico)"
[[ -f $iconic/prog.exe ]] || fail "no prog.exe after velcomp /L /I:"
[[ ! -e $iconic/prog.coc ]] || fail "velcomp left prog.coc behind"

plain_size=$(stat -c %s "$plain/prog.exe")
icon_size=$(stat -c %s "$iconic/prog.exe")
((icon_size == plain_size)) || fail "with the icon prog.exe has $icon_size bytes, without it $plain_size"
((plain_size > $(stat -c %s "$VELRUN_RTL"))) || fail "prog.exe is not longer than velrun.rtl"
note "both programs have $plain_size bytes"

# ---- the images read back ----
split_icon_file "$runtime_icon" runtime_images
split_icon_file icons/app.ico app_images
program_icons "$plain/prog.exe" plain_images
program_icons "$iconic/prog.exe" icon_images
icotool -l icon_images/group.ico | diff app_icon.txt - >&2 ||
    fail "the icon group of the program with the icon lists other images than icons/app.ico"
for size in 16x16 32x32; do
    cmp -s icon_images/$size.bin app_images/$size.bin ||
        fail "the program's $size icon image is not the $size image of icons/app.ico"
    cmp -s plain_images/$size.bin runtime_images/$size.bin ||
        fail "the program linked without /I: has another $size icon image than the runtime's icon"
    ! cmp -s app_images/$size.bin runtime_images/$size.bin || fail "the test icon's $size image equals the runtime's"
done
icotool -x -o app_images "$(realpath icons/app.ico)" || fail "icotool cannot take the images out of icons/app.ico"
for size in 16x16x32 32x32x32; do
    got=$(echo icon_images/png/*_"$size".png)
    old=$(echo plain_images/png/*_"$size".png)
    want=$(echo app_images/*_"$size".png)
    [[ -f $got && -f $old && -f $want ]] || fail "missing $size images: $got $old $want"
    pixels=$(differing_pixels "$got" "$want")
    [[ $pixels == 0 ]] || fail "$size: the program's icon differs from icons/app.ico in $pixels pixels"
    pixels=$(differing_pixels "$old" "$want")
    { [[ $pixels =~ ^[0-9]+$ ]] && ((pixels > 0)); } ||
        fail "$size: the program without /I: shows the pixels of icons/app.ico ($pixels differing)"
done
note "the program holds the images of icons/app.ico, byte for byte and pixel for pixel"

# ---- nothing but the icon images changed ----
python3 - "$plain/prog.exe" "$iconic/prog.exe" plain_images/16x16.bin plain_images/32x32.bin <<'EOF' ||
import sys
plain, iconic = (open(name, "rb").read() for name in sys.argv[1:3])
spans = []
for name in sys.argv[3:]:
    image = open(name, "rb").read()
    start = plain.find(image)
    if start < 0 or plain.find(image, start + 1) >= 0:
        sys.exit(f"{name} is not found exactly once in the program without the icon")
    spans.append((start, start + len(image)))
outside = [i for i in range(len(plain)) if plain[i] != iconic[i] and not any(a <= i < b for a, b in spans)]
if outside:
    sys.exit(f"{len(outside)} bytes outside the icon images differ, the first at offset {outside[0]}")
EOF
    fail "linking with the icon changed more than the icon images"
note "the programs differ only inside the icon images"

# ---- the program with the icon runs ----
start_program "$iconic/prog.exe"
answer_box "Velmish Echo" "Program with its own icon." "OK" Return 01-echo
expect_exit 0
