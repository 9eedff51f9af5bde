#!/bin/sh
# The real program on a real X server (Xvfb), driven with real input through xdotool, to prove
# that it is wired to its window system: the window opens with its caption; an order typed and
# "描画" clicked puts exactly the trace tool's picture of that order on screen; order 14 brings
# up the error report, which Enter dismisses, and the program and its picture stay.
#   end_to_end_test.sh PROGRAM TRACE_TOOL
set -eu
program=$1
trace=$2
work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    tail -5 "$work/program.log" 2>/dev/null
    exit 1
}
# Waits up to five seconds for a command to succeed.
wait_for() {
    tries=50
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

for n in 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
wait_for xdpyinfo || fail "Xvfb did not start"

unset QT_QPA_PLATFORM
"$program" >"$work/program.log" 2>&1 &
app=$!
find_window() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
wait_for find_window "Vorrelin曲線" || fail "no window captioned Vorrelin曲線"
window=$(find_window "Vorrelin曲線")

# Places in the window, in pixels: the fields, the buttons, the drawing area.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
type_into() {
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$3"
}
picture() { import -window "$window" -crop 433x433+10+10 +repage "$1"; }
same_picture() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]
}

type_into 476 81 3
click 476 37
sleep 1
picture "$work/shown.png"
"$trace" --summary --png "$work/expected.png" 3 >/dev/null
same_picture "$work/shown.png" "$work/expected.png" || fail "the picture is not order 3's"

type_into 476 81 14
click 476 37
wait_for find_window VorrelinCurve || fail "no error report"
xdotool windowfocus --sync "$(find_window VorrelinCurve)" 2>/dev/null || true
xdotool key --clearmodifiers Return
wait_for sh -c "! xdotool search --onlyvisible --name '^VorrelinCurve\$'" ||
    fail "the report stayed open"
kill -0 "$app" || fail "the program ended"
picture "$work/after.png"
same_picture "$work/after.png" "$work/expected.png" || fail "the picture changed after the error"

echo "caption, drawing and error report: ok"
