#!/bin/sh
# vorrelin-trace: every operation of order 1, the summary of an order too large for 16 bits
# with its error, the picture of order 10 decoded from its PNG (black, and the pen square in the
# last segment's colour), and the exit status of wrong usage.
#   trace_tool_test.sh TRACE_TOOL
set -eu
trace=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}
order1=$("$trace" 1)
[ "$(echo "$order1" | head -n 8 | tr '\n' '|')" = "DrawWidth 2|BackColor 0|Cls|ScaleLeft -50|\
ScaleTop -50|ScaleWidth 2150|ScaleHeight 2150|Line 333 0 666 333 16776960|" ] ||
    fail "order 1 begins: $(echo "$order1" | head -n 8)"
[ "$(echo "$order1" | tail -n 2 | tr '\n' '|')" = "Line 0 333 333 0 16776975|\
state CurX=333 CurY=0 Level=1 Step=333 SegmentCount=16|" ] || fail "order 1 ends: $order1"
[ "$("$trace" --summary 1e9 | tr '\n' '|')" = "DrawWidth 2|Line count 0|Refresh count 0|\
state CurX=0 CurY=0 Level=0 Step=6 SegmentCount=0|error 6|" ] || fail "order 1e9"
"$trace" --summary 5 | grep -qx "Refresh count 2" || fail "order 5 refreshes"
"$trace" --summary --png "$work/ten.png" 10 >/dev/null
colours=$(convert "$work/ten.png" -format %c histogram:info: | awk '{print $1 $3}' | tr '\n' ' ')
[ "$colours" = "187485:#000000 4:#5757FF " ] || fail "order 10's picture holds $colours"
for usage in ":2" "1 2:2" "--png:2" "--png /nonexistent/x.png 2:1"; do
    status=0
    "$trace" ${usage%:*} >/dev/null 2>&1 || status=$?
    [ "$status" -eq "${usage#*:}" ] || fail "'${usage%:*}' exits with $status"
done
echo "trace tool: ok"
