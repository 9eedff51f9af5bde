#!/bin/sh
# end_to_end_test.sh PROGRAM TRACE_TOOL, commands (for Windows, Wine's loader and the .exe): the
# real program in Xvfb with openbox, driven through xdotool as a user drives it, proving the wiring
# of what lower tests check. The Windows program, which has no widget tests, is also checked for
# what those prove of the Qt one: Enter in a field and Escape press nothing.
set -eu
program=$1
trace=$2
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    chattr -i "$work/locked" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM
fail() {
    echo "FAILED: $*"
    tail -5 "$work/program.log" 2>/dev/null
    exit 1
}
# Waits up to a number of seconds for a command to succeed.
wait_for() {
    tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}
start() { "$@" >>"$work/program.log" 2>&1 & pids="$! $pids"; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids="$!"
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
start openbox
wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    fail "openbox did not start"

unset QT_QPA_PLATFORM
start $program
app=${pids%% *}
find_window() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
wait_for 60 find_window "Vorrelin曲線" || fail "no window captioned Vorrelin曲線"
window=$(find_window "Vorrelin曲線")
xdotool getwindowgeometry "$window" | grep -q "Geometry: 559x482" ||
    fail "the client area is not 559 x 482: $(xdotool getwindowgeometry "$window")"

# Places in the client area, in pixels: the fields, the buttons, the drawing area.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
select_field() { click "$1" "$2" && xdotool key --clearmodifiers Home shift+End; }
field_text() {
    select_field "$1" "$2"
    xdotool key --clearmodifiers ctrl+c
    sleep 0.3
    xclip -o -selection clipboard -t UTF8_STRING
}
type_into() { select_field "$1" "$2" && xdotool type --delay 20 "$3"; }
picture() { import -window "$window" -crop 433x433+10+10 +repage "$1"; }
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]; }

# The order field lies over the box of its label, which reaches down onto it.
import -window "$window" "$work/window.png"
field=$(convert "$work/window.png" -format '%[hex:p{470,75}]' info:)
[ "$field" = "FFFFFF" ] || fail "the label covers the order field ($field)"
[ "$(field_text 476 81)" = "5" ] || fail "the order field does not start with 5"
[ "$(field_text 480 161)" = "500" ] || fail "the interval field does not start with 500"

# Return presses "描画", the button before the order field in tab order.
type_into 476 81 3
xdotool key --clearmodifiers shift+Tab Return
sleep 1
picture "$work/shown.png"
$trace --summary --png "$work/expected.png" 3 >/dev/null
same_picture "$work/shown.png" "$work/expected.png" || fail "the picture is not order 3's"
# The drawing area's frame shows that it takes the focus; the picture in it stays as it is.
frame() { import -window "$window" -crop 437x437+8+8 +repage "$1"; }
frame_changed() { frame "$work/focused.png" && ! same_picture "$work/focused.png" "$1"; }
frame "$work/unfocused.png"
click 200 200
wait_for 5 frame_changed "$work/unfocused.png" || fail "the frame does not show the focus"
picture "$work/inside.png"
same_picture "$work/inside.png" "$work/shown.png" || fail "the focus changed the picture"

case "$program" in *wine*) windows=true ;; *) windows=false ;; esac
# A path as the program's save dialog takes it: Wine sees the file system as drive Z:.
dialog_path() {
    if $windows; then echo "Z:$1" | tr / '\\'; else echo "$1"; fi
}
# Saves the picture, by the drawing area's menu or by Ctrl+S from the order field, typing a path
# into the save dialog.
save_as() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    if [ "$1" = menu ]; then
        xdotool mousemove --window "$window" 200 200 click 3
        sleep 1
        xdotool key --clearmodifiers s
    else
        click 476 81 && xdotool key --clearmodifiers ctrl+s
    fi
    shift
    wait_for 20 find_window "画像を保存" || fail "no save dialog"
    xdotool windowfocus --sync "$(find_window "画像を保存")" 2>/dev/null || true
    sleep 0.5
    xdotool key --clearmodifiers End shift+Home
    xdotool type --delay 20 "$(dialog_path "$1")"
    xdotool key --clearmodifiers Return
}
# Closes the report that names its case with Return; the program goes on.
dismiss_report() {
    wait_for 20 find_window VorrelinCurve || fail "no report $1"
    xdotool windowfocus --sync "$(find_window VorrelinCurve)" 2>/dev/null || true
    xdotool key --clearmodifiers Return
    wait_for 10 sh -c "! xdotool search --onlyvisible --name '^VorrelinCurve\$'" ||
        fail "the report $1 stayed open"
    kill -0 "$app" || fail "the program ended after the report $1"
}

# The drawing area's menu from the mouse, Ctrl+C, and Return on the menu that Shift+F10 opens
# (once it shows: one window more on screen) copy the picture, which the clipboard offers as PNG.
windows_shown() { xdotool search --onlyvisible --name '' | wc -l; }
more_windows_than() { [ "$(windows_shown)" -gt "$1" ]; }
for keys in menu ctrl+c shift+F10; do
    printf x | xclip -i -selection clipboard
    click 200 200
    shown=$(windows_shown)
    case "$keys" in
    menu) xdotool click 3 && sleep 1 && xdotool key --clearmodifiers c ;;
    ctrl+c) xdotool key --clearmodifiers ctrl+c ;;
    shift+F10)
        xdotool key --clearmodifiers shift+F10
        wait_for 10 more_windows_than "$shown" || fail "Shift+F10 opened no menu"
        xdotool key --clearmodifiers Return
        ;;
    esac
    wait_for 10 sh -c "xclip -o -selection clipboard -t TARGETS | grep -qx image/png" ||
        fail "$keys on the drawing area copied nothing"
    xclip -o -selection clipboard -t image/png >"$work/copied.png"
    same_picture "$work/copied.png" "$work/shown.png" || fail "$keys copied another picture"
done

# The menu, and Ctrl+S, save it where the user says, with .png added; a folder that cannot be
# written is reported, and the program goes on.
save_as menu "$work/saved"
wait_for 20 test -s "$work/saved.png" || fail "nothing was saved"
same_picture "$work/saved.png" "$work/shown.png" || fail "the saved picture is not the one shown"
mkdir "$work/locked"
chattr +i "$work/locked" # not even root can make a file in it
save_as keys "$work/locked/curve.png"
dismiss_report "of a folder that cannot be written"

type_into 476 81 14
click 476 36
dismiss_report "of the error at order 14"

# Enter in a field, and Escape there or on a button with the focus (Tab from the order field
# goes to "自動実行"), press nothing and close nothing.
if $windows; then
    type_into 476 81 4
    xdotool key --clearmodifiers Return Escape Tab Escape
    sleep 1
    picture "$work/keys.png"
    same_picture "$work/keys.png" "$work/expected.png" || fail "Enter or Escape pressed a button"
    find_window "Vorrelin曲線" >/dev/null || fail "Escape closed the window"
fi

type_into 480 161 250
click 488 116
for i in 1 2 3 4 5 6 7 8 9 10; do
    picture "$work/frame.png" && convert "$work/frame.png" rgb:- | md5sum >>"$work/animation"
    sleep 0.3
done
pictures=$(sort -u "$work/animation" | wc -l)
[ "$pictures" -ge 3 ] || fail "the animation showed $pictures pictures"
click 488 220
sleep 1
last=$(field_text 476 81)
$trace --summary --png "$work/last.png" "$last" >/dev/null
picture "$work/stopped.png"
same_picture "$work/stopped.png" "$work/last.png" || fail "order $last is not on screen at the end"
type_into 476 81 8 # a tick would write its order over this
sleep 1
[ "$(field_text 476 81)" = "8" ] || fail "the timer still ticks after the stop"
# Ctrl+C on a button copies nothing (Tab from the order field goes to "自動実行").
xdotool key --clearmodifiers Tab ctrl+c
sleep 0.3
[ "$(xclip -o -selection clipboard -t UTF8_STRING)" = "8" ] || fail "Ctrl+C on a button copied"

# Closed as a user closes it, the program ends with status 0.
xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status when closed"
echo "caption, size, texts, drawing, error reports, auto-run and closing: ok"
