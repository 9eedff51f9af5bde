#!/bin/sh
# The real program in a real X server (Xvfb), driven with real input through xdotool:
#   end_to_end_test.sh PROGRAM TRACE_TOOL
# It opens with its caption; an order typed and "描画" clicked puts exactly the trace tool's
# picture of that order on screen; order 14 brings up the error report, which can be
# dismissed, and the window is still there. "自動実行" with a short interval then shows the
# orders 1 to 6 and back in turn, and "停止" ends the animation after its next drawing.
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
    cat "$work/program.log" "$work/xvfb.log" 2>/dev/null | tail -5
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

display=""
for n in 91 92 93 94 95 96 97 98 99; do
    if [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY="$display"
wait_for xdpyinfo || fail "Xvfb did not start"

unset QT_QPA_PLATFORM
"$program" >"$work/program.log" 2>&1 &
app=$!
wait_for xdotool search --onlyvisible --name "^Vorrelin曲線\$" || fail "no window captioned Vorrelin曲線"
window=$(xdotool search --onlyvisible --name "^Vorrelin曲線\$" | head -n 1)

# Places in the window, in pixels: the fields, the buttons, the drawing area.
type_into() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$3"
}
type_order() {
    type_into 476 81 "$1"
}
draw() {
    xdotool mousemove --window "$window" 476 37 click 1
    sleep 1
}
drawing_area() {
    import -window "$window" "$work/window.png"
    convert "$work/window.png" -crop 433x433+10+10 +repage "$1"
}

type_order 3
draw
drawing_area "$work/shown.png"
"$trace" --summary --png "$work/expected.png" 3 >/dev/null
differing=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "the drawing area differs from order 3 in $differing pixels"
echo "order 3 on screen: ok"

type_order 14
draw
wait_for xdotool search --onlyvisible --name "^VorrelinCurve\$" || fail "no error report"
report=$(xdotool search --onlyvisible --name "^VorrelinCurve\$" | head -n 1)
xdotool windowfocus --sync "$report" 2>/dev/null || true
xdotool key --clearmodifiers Return
wait_for sh -c "! xdotool search --onlyvisible --name '^VorrelinCurve\$'" ||
    fail "the report stayed open"
kill -0 "$app" || fail "the program ended"
xdotool getwindowname "$window" >/dev/null || fail "the window is gone"
drawing_area "$work/after.png"
differing=$(compare -metric AE "$work/after.png" "$work/expected.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "the picture changed after the error"
echo "order 14 reported and dismissed, window and picture still there: ok"

# The pictures of orders 1 to 6, by a digest of their pixels.
for order in 1 2 3 4 5 6; do
    "$trace" --summary --png "$work/order$order.png" "$order" >/dev/null
    echo "$(convert "$work/order$order.png" rgb:- | md5sum | cut -c1-32) $order" >>"$work/digests"
done
shown_order() {
    import -window "$window" -crop 433x433+10+10 +repage "$work/frame.png" 2>/dev/null
    digest=$(convert "$work/frame.png" rgb:- | md5sum | cut -c1-32)
    awk -v d="$digest" '$1 == d { print $2 }' "$work/digests"
}

type_into 486 161 250
xdotool mousemove --window "$window" 488 116 click 1
seen=""
last=""
end=$(($(date +%s) + 8))
while [ "$(date +%s)" -lt "$end" ]; do
    order=$(shown_order)
    if [ -n "$order" ] && [ "$order" != "$last" ]; then
        seen="$seen $order"
        last=$order
    fi
done
echo "orders seen:$seen"
# What was seen must follow 1 2 3 4 5 6 5 4 3 2 1 2 ... from the first 1, some perhaps missed
# between two looks, with at least five different drawings caught.
echo "$seen" | awk '{
    cycle = "1 2 3 4 5 6 5 4 3 2 1 2 3 4 5 6 5 4 3 2 1 2 3 4 5 6 5 4 3 2 1 2 3 4 5 6 5 4 3 2"
    n = split(cycle, c, " ")
    start = 0
    for (i = 1; i <= NF; i++) if ($i == 1) { start = i; break }
    if (start == 0 || NF - start + 1 < 5) exit 1
    j = 1
    for (i = start; i <= NF; i++) {
        while (j <= n && c[j] != $i) j++
        if (j > n) exit 1
        j++
    }
}' || fail "the orders were not shown in sequence:$seen"

xdotool mousemove --window "$window" 488 220 click 1
sleep 1
first=$(shown_order)
sleep 1
second=$(shown_order)
[ -n "$first" ] && [ "$first" = "$second" ] || fail "the animation did not stop ($first, $second)"
echo "auto-run showed$seen and stopped at order $first: ok"
