# shellcheck shell=bash disable=SC2034 # the style constants below are used by the test scripts
# Functions shared by the dialog window tests (test_dialog_*.sh), on top of harness.sh: reading the
# interpreter's windows from inside Wine with window_probe.exe, checking their styles, ids, positions
# and texts, and clicking their controls.
source "$(dirname "${BASH_SOURCE[0]}")/../harness.sh"

# Window style bits, as the Win32 headers define them (used by the test scripts).
WS_POPUP=0x80000000 WS_CHILD=0x40000000 WS_VISIBLE=0x10000000 WS_CAPTION=0x00C00000
WS_BORDER=0x00800000 WS_VSCROLL=0x00200000 WS_HSCROLL=0x00100000 WS_SYSMENU=0x00080000
WS_THICKFRAME=0x00040000 WS_TABSTOP=0x00010000
WS_EX_DLGMODALFRAME=0x1 WS_EX_TOPMOST=0x8 WS_EX_CLIENTEDGE=0x200
ES_MULTILINE=0x4 ES_AUTOVSCROLL=0x40 ES_AUTOHSCROLL=0x80 ES_READONLY=0x800 ES_WANTRETURN=0x1000
BS_DEFPUSHBUTTON=0x1 BS_NOTIFY=0x4000 LBS_NOTIFY=0x1 LBS_NOINTEGRALHEIGHT=0x100 SS_CENTER=0x1
CHILD=$((WS_CHILD | WS_VISIBLE))

# The class of the interpreter's windows.
DIALOG_CLASS="Velmish 4"

# Starts a dialog test: what begin_test does, plus the probe.
begin_dialog_test() {
    begin_test "$@"
    WINDOW_PROBE=${VELMISH_WINDOW_PROBE:-}
    [[ -f $WINDOW_PROBE ]] || fail "VELMISH_WINDOW_PROBE does not name the built window_probe.exe"
}

# Starts a dialog test of a compiled program: what begin_compiled_test does, plus the probe.
begin_compiled_dialog_test() {
    begin_compiled_test "$@"
    WINDOW_PROBE=${VELMISH_WINDOW_PROBE:-}
    [[ -f $WINDOW_PROBE ]] || fail "VELMISH_WINDOW_PROBE does not name the built window_probe.exe"
}

# Lists the interpreter's windows into ARTIFACTS/NAME.txt and sets PROBE to that file.
probe_windows() {
    PROBE=$ARTIFACTS/$1.txt
    timeout -k 2 60 "$WINE_LOADER" "$WINDOW_PROBE" "$DIALOG_CLASS" 2>&1 </dev/null | tr -d '\r' >"$PROBE"
    grep -q '^window ' "$PROBE" || fail "window_probe found no \"$DIALOG_CLASS\" window: $(cat "$PROBE")"
}

# Sets the screen sizes CX, CY, CXF, CYF (full-screen client area) and the THEME offset (10 when
# visual styles are active, as Wine's built-in theme is) from the last probe.
read_metrics() {
    local metrics
    metrics=$(head -n 1 "$PROBE")
    CX=$(field "$metrics" cxscreen) CY=$(field "$metrics" cyscreen)
    CXF=$(field "$metrics" cxfullscreen) CYF=$(field "$metrics" cyfullscreen)
    THEME=$(($(field "$metrics" themed) * 10))
    note "screen ${CX}x$CY, full-screen client area ${CXF}x$CYF, theme offset $THEME"
}

# Prints the block of the probed window with this title (the window line, its children and items).
window_block() {
    local title=$1
    awk -v want="window title=$title visible=" '
        /^window / { inside = index($0, want) == 1 }
        inside' "$PROBE"
}

# Prints the block of the probed window that has a child with this class and id; for the windows
# that have no title yet.
window_with_child() {
    local class=$1 id=$2
    awk -v want="child class=$class id=$id " '
        /^window / { if (block != "" && found) { printf "%s", block; exit } block = ""; found = 0 }
        { block = block $0 "\n"; if (index($0, want) == 1) found = 1 }
        END { if (found) printf "%s", block }' "$PROBE"
}

# Prints field NAME (name=value, the value up to the next blank) of a probe line.
field() {
    local line=$1 name=$2
    sed -n "s/.* $name=\\([^ ]*\\).*/\\1/p" <<<" $line"
}

# Checks that a style value holds all the given bits, and none of the optional forbidden ones.
# check_bits WHAT ACTUAL REQUIRED [FORBIDDEN]
check_bits() {
    local what=$1 actual=$(($2)) required=$(($3)) forbidden=$((${4:-0}))
    (( (actual & required) == required )) ||
        fail "$what: style $(printf 0x%08x "$actual") lacks bits $(printf 0x%08x $((required & ~actual)))"
    (( (actual & forbidden) == 0 )) ||
        fail "$what: style $(printf 0x%08x "$actual") has unwanted bits $(printf 0x%08x $((actual & forbidden)))"
}

# Checks the top-level window line of a block: visibility, style, extended style, size; the position
# only when given.
# expect_window BLOCK WHAT VISIBLE STYLE FORBIDDEN EXSTYLE W H [X Y]
expect_window() {
    local block=$1 what=$2 line
    line=$(head -n 1 <<<"$block")
    [[ -n $line ]] || fail "$what: no such window in $PROBE"
    [[ $(field "$line" visible) == "$3" ]] || fail "$what: visible=$(field "$line" visible), expected $3"
    check_bits "$what" "$(field "$line" style)" "$4" "$5"
    check_bits "$what (extended)" "$(field "$line" exstyle)" "$6"
    local rect
    rect=$(field "$line" rect)
    IFS=, read -r x y w h <<<"$rect"
    ((w == $7 && h == $8)) || fail "$what: size ${w}x$h, expected $7x$8"
    if (($# > 8)); then
        ((x == $9 && y == ${10})) || fail "$what: position $x,$y, expected $9,${10}"
    fi
    note "$what: $line"
}

# Checks the Nth child (from 1) of a block: class, id, style bits, extended style bits, rectangle
# and text. The rectangle and text checks are skipped for the value "*".
# expect_child BLOCK WHAT N CLASS ID STYLE EXSTYLE X,Y,W,H TEXT
expect_child() {
    local block=$1 what=$2 line
    line=$(grep '^child ' <<<"$block" | sed -n "${3}p")
    [[ -n $line ]] || fail "$what: the window has no child number $3"
    [[ $(field "$line" class) == "$4" ]] || fail "$what: class $(field "$line" class), expected $4 ($line)"
    [[ $(field "$line" id) == "$5" ]] || fail "$what: id $(field "$line" id), expected $5"
    check_bits "$what" "$(field "$line" style)" "$6"
    check_bits "$what (extended)" "$(field "$line" exstyle)" "$7"
    [[ $8 == "*" || $(field "$line" rect) == "$8" ]] || fail "$what: rectangle $(field "$line" rect), expected $8"
    if [[ $9 != "*" ]]; then
        [[ ${line#* text=} == "$9" ]] || fail "$what: text \"${line#* text=}\", expected \"$9\""
    fi
}

# Clicks a control, found by its id in the block of the window with this title: at its centre, or
# at DX,DY from its top left corner. The probe gives client coordinates; xdotool needs screen ones,
# so the window's client origin is added (Wine draws the frame itself, so the screen is the X root).
# click_control TITLE ID [DX DY]
click_control() {
    local title=$1 id=$2 block line
    probe_windows "probe-click-$id"
    block=$(window_block "$title")
    line=$(grep "^child .* id=$id " <<<"$block" | head -n 1)
    [[ -n $line ]] || fail "no control with id $id in window \"$title\""
    IFS=, read -r cx cy cw ch <<<"$(field "$line" rect)"
    wait_window "$title"
    local origin
    origin=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    local wx wy
    read -r wx wy <<<"$origin"
    # The client area sits inside the frame: the probe's window and client sizes give its offset.
    local wline ww wh clw clh
    wline=$(head -n 1 <<<"$block")
    IFS=, read -r _ _ ww wh <<<"$(field "$wline" rect)"
    IFS=, read -r clw clh <<<"$(field "$wline" client)"
    local border=$(((ww - clw) / 2))
    local top=$((wh - clh - border))
    local dx=${3:-$((cw / 2))} dy=${4:-$((ch / 2))}
    local sx=$((wx + border + cx + dx)) sy=$((wy + top + cy + dy))
    xdotool mousemove "$sx" "$sy" click 1 >/dev/null 2>&1 || fail "xdotool could not click at $sx,$sy"
    note "clicked control $id of \"$title\" at $sx,$sy"
}

# Clicks the close box at the right end of a window's caption, found from the last probe's block of
# that window: the frame is as wide as the window and the client area differ, the caption is what
# remains above the client area.
click_close_box() {
    local block=$1 line ww wh clw clh
    line=$(head -n 1 <<<"$block")
    IFS=, read -r wx wy ww wh <<<"$(field "$line" rect)"
    IFS=, read -r clw clh <<<"$(field "$line" client)"
    local border=$(((ww - clw) / 2))
    local top=$((wh - clh - border))
    local sx=$((wx + ww - border - 10)) sy=$((wy + (border + top) / 2))
    xdotool mousemove "$sx" "$sy" click 1 >/dev/null 2>&1 || fail "xdotool could not click at $sx,$sy"
    note "clicked the close box at $sx,$sy"
}

# Reads the text of the ECHO box and presses Return; sets ECHOED.
read_echo() {
    local shot=$1
    wait_window "Velmish Echo"
    local window=$WINDOW
    wait_painted "$window"
    screenshot "$shot"
    read_box "Velmish Echo"
    ECHOED=$BOX_TEXT
    press_keys "$window" Return
    wait_window_gone "$window"
}

# Waits for the dialog window with this title, keeps a screenshot once it is drawn; sets WINDOW.
show_dialog() {
    local title=$1 shot=$2
    wait_window "$title"
    wait_painted "$WINDOW"
    screenshot "$shot"
}


# Probes the windows until the block of the window with this title holds a line matching the
# extended regular expression, or fails after the window deadline. Sets BLOCK.
wait_probe() {
    local title=$1 pattern=$2 name=$3 deadline=$((SECONDS + WINDOW_DEADLINE))
    while :; do
        probe_windows "$name"
        BLOCK=$(window_block "$title")
        grep -Eq -- "$pattern" <<<"$BLOCK" && return 0
        ((SECONDS < deadline)) || fail "window \"$title\" never showed /$pattern/; last probe: $PROBE"
        sleep 0.2
    done
}

# Waits until a dialog window is hidden or shows another title: the dialog windows are shown again
# for the next command, so the same window may reappear at once with the next title.
wait_dialog_closed() {
    local window=$1 title=$2 deadline=$((SECONDS + GONE_DEADLINE))
    while xwininfo -id "$window" 2>/dev/null | grep -q 'IsViewable' &&
        [[ $(xdotool getwindowname "$window" 2>/dev/null) == "$title" ]]; do
        ((SECONDS < deadline)) || fail "window \"$title\" is still open ${GONE_DEADLINE}s after the key"
        sleep 0.05
    done
}
