#!/bin/sh
# Start the program on Xvfb with an AT-SPI accessibility bus, as a screen
# reader's desktop has, and ask the bus what it shows: the check is
# screen_reader_check.py, or the script named second.
set -eu
binary=$1
check=${2:-screen_reader_check.py}
here=$(dirname "$0")
exec "$(dirname "$0")/../../scripts/on-xvfb.sh" "-screen 0 1024x768x24" dbus-run-session -- sh -c '
    unset QT_QPA_PLATFORM
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$0" & pid=$!
    status=0
    /usr/bin/python3 "$1/$2" plane-figures || status=$?
    kill $pid $bus 2>/dev/null || true
    exit $status' "$binary" "$here" "$check"
