#!/usr/bin/env bash
# vellink.exe under Wine: links the Windows stand-in runtime (finished like velrun.rtl, with the
# runtime's icon resource) with an icon, replacing an older program; the linked program prints the
# code it finds at its offset, and Windows itself finds the new icon images in it. The same icon
# goes into the real velrun.rtl. Refusals leave the older program and no temporary file behind.
#
# Usage: test_wine_linking.sh VELLINK_EXE STANDIN_RTL VELRUN_RTL ICON_CHECK_EXE ARTIFACTS_DIR
# Environment: VELMISH_WINE_SESSION (session.env of the Wine fixture), VELMISH_WINE_HARNESS.
# shellcheck source=../wine/harness.sh
source "${VELMISH_WINE_HARNESS:?VELMISH_WINE_HARNESS names tests/wine/harness.sh}"

(($# == 5)) || fail "usage: $(basename "$0") VELLINK_EXE STANDIN_RTL VELRUN_RTL ICON_CHECK_EXE ARTIFACTS_DIR"
vellink=$(realpath "$1") standin=$(realpath "$2") velrun=$(realpath "$3") icon_check=$(realpath "$4")
ARTIFACTS=$(realpath -m "$5")/$(basename "$0" .sh)
here=$(dirname "$(realpath "$0")")
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS/tools" "$ARTIFACTS/work" || fail "cannot make $ARTIFACTS"
load_session
tools=$ARTIFACTS/tools
work=$ARTIFACTS/work
cd "$work" || fail "cannot enter $work"

# Runs a Windows program under Wine with a time limit; stdout and stderr go to NAME.out and NAME.err.
# Sets RUN_EXIT.
run_wine() {
    local name=$1
    shift
    note "run: ${*##*/}"
    timeout -k 2 "$PROGRAM_TIMEOUT" "$WINE_LOADER" "$@" >"$ARTIFACTS/$name.out" 2>"$ARTIFACTS/$name.err" </dev/null
    RUN_EXIT=$?
}

# The icon file, the control file and what icon_check.exe must report for the icon.
PYTHONDONTWRITEBYTECODE=1 PYTHONPATH=$here python3 - "$work" <<'EOF' || fail "cannot write the test files"
import sys, os
import pe_files as pe

work = sys.argv[1]
small = pe.bitmap_image(16, 16, 4, 11)   # 296 bytes for the runtime's 1128
large = pe.bitmap_image(32, 32, 32, 12)  # 4264 bytes, the same room
code = b"RRLR'4.3'\x01R027'Hello'\x01\r\nR009\x01" + bytes(range(256))

def checksum(data):
    value = 2166136261
    for byte in data:
        value = ((value ^ byte) * 16777619) & 0xFFFFFFFF
    return value

def write(name, data):
    with open(os.path.join(work, name), "wb") as stream:
        stream.write(data)

write("app.ico", pe.icon_file([(16, 16, 4, small), (32, 32, 32, large)]))
write("huge.ico", pe.icon_file([(16, 16, 32, pe.bitmap_image(16, 16, 32, 1) + b"more")]))
write("code.bin", code)
write("prog.coc", b"COC2;170240;app.ico;velrun.rtl;\r\n" + code)
write("huge.coc", b"COC2;170240;huge.ico;velrun.rtl;\r\n" + code)
write("other.coc", b"COC2;170240;;other.rtl;\r\n" + code)
write("expected_icons.txt", "".join(
    f"{size}: id {number}, {len(image)} bytes, sum {checksum(image):08x}, icon {size}x{size}\n"
    for size, number, image in ((16, 1, small), (32, 2, large))).encode())
EOF

# Both runtimes were finished by the build: the offset in their record is their own length.
for runtime in "$standin" "$velrun"; do
    digits=$(grep -a -o 'VELMISH-CODE-OFFSET:[0-9]\{10\};' "$runtime" | cut -c21-30)
    [[ $digits =~ ^[0-9]{10}$ ]] || fail "no code offset record in $runtime"
    ((10#$digits == $(stat -c %s "$runtime"))) || fail "$runtime holds the offset $digits but has $(stat -c %s "$runtime") bytes"
done
note "the runtimes hold their own lengths as code offsets"

cp "$vellink" "$icon_check" "$tools/" || fail "cannot copy the programs"
cp "$standin" "$tools/velrun.rtl" || fail "cannot copy the stand-in runtime"
printf 'older program' >prog.exe

# ---- the stand-in runtime: linked, run, icon read back by Windows ----
run_wine vellink "$tools/vellink.exe" prog.coc
((RUN_EXIT == 0)) || fail "vellink.exe ended with $RUN_EXIT: $(cat "$ARTIFACTS/vellink.err")"
[[ ! -s $ARTIFACTS/vellink.err ]] || fail "vellink.exe printed: $(cat "$ARTIFACTS/vellink.err")"
expected_size=$(($(stat -c %s "$tools/velrun.rtl") + $(stat -c %s code.bin)))
(($(stat -c %s prog.exe) == expected_size)) || fail "prog.exe has $(stat -c %s prog.exe) bytes, expected $expected_size"
tail -c "$(stat -c %s code.bin)" prog.exe | cmp -s - code.bin || fail "prog.exe does not end with the code"
note "prog.exe: the runtime's $(stat -c %s "$tools/velrun.rtl") bytes and the code"

run_wine standin "$work/prog.exe"
((RUN_EXIT == 0)) || fail "the linked stand-in ended with $RUN_EXIT (2: no offset, 3: offset beyond its file)"
cmp -s "$ARTIFACTS/standin.out" code.bin || fail "the linked stand-in read other code than was linked"
note "the linked stand-in read its code at its offset"

run_wine icons "$tools/icon_check.exe" prog.exe
((RUN_EXIT == 0)) || fail "icon_check.exe found no icon group 1000 in prog.exe"
tr -d '\r' <"$ARTIFACTS/icons.out" | diff expected_icons.txt - >&2 || fail "Windows finds other icon images in prog.exe than app.ico's"
note "Windows finds app.ico's images in prog.exe"

# ---- the real runtime gets the same icon ----
cp "$velrun" "$tools/velrun.rtl" || fail "cannot copy velrun.rtl"
rm prog.exe
run_wine vellink_velrun "$tools/vellink.exe" prog.coc
((RUN_EXIT == 0)) || fail "vellink.exe with velrun.rtl ended with $RUN_EXIT: $(cat "$ARTIFACTS/vellink_velrun.err")"
run_wine icons_velrun "$tools/icon_check.exe" prog.exe
((RUN_EXIT == 0)) || fail "icon_check.exe found no icon group 1000 in the program linked from velrun.rtl"
tr -d '\r' <"$ARTIFACTS/icons_velrun.out" | diff expected_icons.txt - >&2 || fail "the program linked from velrun.rtl has other icon images"
note "velrun.rtl takes the icon too"

# ---- refusals write nothing ----
cp prog.exe before.exe
cp huge.coc prog.coc
run_wine vellink_huge "$tools/vellink.exe" prog.coc
((RUN_EXIT == 1)) || fail "an icon too big for its room: exit code $RUN_EXIT, expected 1"
grep -q "does not fit in the room" "$ARTIFACTS/vellink_huge.err" || fail "no message for the icon too big: $(cat "$ARTIFACTS/vellink_huge.err")"
cmp -s prog.exe before.exe || fail "a refused link changed the older program"

cp other.coc prog.coc
run_wine vellink_other "$tools/vellink.exe" prog.coc
((RUN_EXIT == 1)) || fail "a missing runtime: exit code $RUN_EXIT, expected 1"
grep -q "runtime file .*other.rtl not found" "$ARTIFACTS/vellink_other.err" || fail "no message for the missing runtime: $(cat "$ARTIFACTS/vellink_other.err")"
cmp -s prog.exe before.exe || fail "a failed link changed the older program"

leftovers=$(find "$work" "$tools" -name '*.tmp')
[[ -z $leftovers ]] || fail "temporary files left behind: $leftovers"
note "refusals wrote nothing"
echo "PASS"
