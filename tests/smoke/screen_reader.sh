#!/bin/sh
# Start the program on Xvfb with an AT-SPI accessibility bus, as a screen
# reader's desktop has, and ask the bus what it shows: the check is
# screen_reader_check.py, or the script named second; arguments after it go
# to the program.
#   screen_reader.sh BINARY [CHECK [ARGUMENT...]]
#
# The program starts, and the check is given the bus's address
# (AT_SPI_BUS_ADDRESS), once the launcher owns org.a11y.Bus on the session
# bus: a check or a program that asks before then has the session bus start
# a second launcher, with a bus of its own where the other never appears.
# (Qt 6.4 would not register on a bus given by AT_SPI_BUS_ADDRESS: it asks
# the session bus, or the root window where the launcher left the address.)
set -eu
binary=$1
check=${2:-screen_reader_check.py}
[ $# -ge 2 ] && shift 2 || shift $#
here=$(dirname "$0")
exec "$here/../../scripts/on-xvfb.sh" "-screen 0 1024x768x24" dbus-run-session -- sh -c '
    unset QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    address=
    # asked only once it has an owner: a call to a name without one starts
    # a launcher of its own
    for i in $(seq 1 100); do
        if dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus \
               /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus |
               grep -q true; then
            address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
                          /org/a11y/bus org.a11y.Bus.GetAddress) || address=
            break
        fi
        kill -0 $bus 2>/dev/null || break
        sleep 0.1
    done
    address=$(echo $address)
    if [ -z "$address" ]; then
        echo "the accessibility bus did not start"
        kill $bus 2>/dev/null || true
        exit 1
    fi
    here=$1; check=$2; shift 2
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$0" "$@" & pid=$!
    status=0
    AT_SPI_BUS_ADDRESS="$address" /usr/bin/python3 "$here/$check" plane-figures || status=$?
    kill $pid $bus 2>/dev/null || true
    exit $status' "$binary" "$here" "$check" "$@"
