#!/bin/sh
# accessibility_test.sh PROGRAM: the program in Xvfb, read through AT-SPI on a bus of its own,
# with Qt's accessibility on as a screen reader turns it on (the buses' chatter left out).
set -eu
program=$1
here=$(dirname "$0")
exec dbus-run-session -- sh -eu -c '
    work=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    server=$!
    trap "kill \$server \${app:-} 2>/dev/null; rm -rf \"\$work\"" EXIT
    for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        PROGRAM_LOG="$work/program.log"
    unset QT_QPA_PLATFORM
    "$1" >"$work/program.log" 2>&1 &
    app=$!
    /usr/bin/python3 "$2/accessibility_test.py"
' sh "$program" "$here" 2>/dev/null
