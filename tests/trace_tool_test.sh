#!/bin/sh
# vorrelin-trace TRACE_TOOL: order 1's operations, an overflow's summary, order 10's PNG (the pen
# square in the last colour on black), and a PNG it cannot write.
. "$(dirname "$0")/scratch.sh"
trace=$1
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
! "$trace" --png /nonexistent/x.png 2 >/dev/null 2>&1 || fail "a PNG it cannot write ends with 0"
echo "trace tool: ok"
