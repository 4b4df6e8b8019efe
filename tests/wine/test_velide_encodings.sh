#!/usr/bin/env bash
# Scripts open, show and save back byte for byte whatever their encoding and line ends, on a
# one-byte system code page (Windows-1252) and on a two-byte one (932, Japanese): Windows-1252
# text, UTF-8 text, LF line ends, mixed ones and a NUL byte (shown as the NUL symbol). Each is opened and saved unchanged, then opened
# again, a "!" typed at its end and saved: the same bytes with the "!", in the same encoding and
# line ends (mixed ones become CR LF).
# The Japanese run needs the ja_JP.UTF-8 locale on this machine, which Wine takes its code page
# from; without it (and without root to make it) only the first run takes place.
# Usage: test_velide_encodings.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"

# Opens the script, saves it and quits, typing the text first; the file must hold the bytes expected.
save_in_editor() {
    local name=$1 shot=$2 typed=$3
    start_velide "Velmish 4 - $(windows_path "$name")" "$name"
    screenshot "$shot"
    if [[ -n $typed ]]; then
        press_keys "$MAIN" ctrl+End
        type_text "$MAIN" "$typed"
    fi
    press_keys "$MAIN" ctrl+s
    press_keys "$MAIN" ctrl+q
    expect_exit 0
}

# The script saved unchanged keeps its bytes; with a "!" typed at its end it holds what the
# expected file holds.
round_trip() {
    local name=$1 shot=$2 expected=$3
    cp "$name" "$name.before"
    save_in_editor "$name" "$shot" ""
    cmp -s "$name" "$name.before" ||
        fail "$name changed on saving: $(od -c "$name.before" | head -n 2) became $(od -c "$name" | head -n 2)"
    save_in_editor "$name" "$shot-typed" "!"
    cmp -s "$name" "$expected" ||
        fail "$name after typing holds $(od -c "$name" | head -n 3), expected $(od -c "$expected" | head -n 3)"
}

run_all() {
    local tag=$1
    printf "ECHO 'caf\xe9 \x80 \x81'\r\nREM fin\r\n" >"latin-$tag.vl"
    printf "ECHO '\xe3\x81\x82\xe2\x82\xac'\r\n" >"utf8-$tag.vl"
    printf "ECHO 'unix'\nREM lf\n" >"lf-$tag.vl"
    printf "ECHO 'a'\r\nREM b\nREM c" >"mixed-$tag.vl"
    printf "ECHO 'a\x00b'\r\n" >"nul-$tag.vl"
    local kind
    for kind in latin utf8 lf nul; do
        { cat "$kind-$tag.vl" && printf '!'; } >"$kind-$tag.expected"
    done
    printf "ECHO 'a'\r\nREM b\r\nREM c!" >"mixed-$tag.expected"
    for kind in latin utf8 lf mixed nul; do round_trip "$kind-$tag.vl" "$kind-$tag" "$kind-$tag.expected"; done
    note "code page $tag: five scripts saved back byte for byte, unchanged and with a typed character"
}

run_all 1252
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$' && (($(id -u) == 0)); then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 >/dev/null 2>&1 || true
fi
if locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    run_all 932
else
    note "no ja_JP.UTF-8 locale here: the two-byte code page is not tried"
fi
