#!/bin/sh
# Make sure apt knows where Debian's source packages are (the static Qt is
# built from the source of qt6-base): when no deb-src entry exists, add one
# for the archives and suites the machine already uses, then update.
set -eu
sources=/etc/apt/sources.list.d/debian.sources
list=/etc/apt/sources.list
if grep -Eqs '^[[:space:]]*(deb-src|Types:.*deb-src)' $list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources; then
    exit 0
fi
sudo=$([ "$(id -u)" = 0 ] || echo sudo)
if [ -f $sources ]; then
    # the same stanzas (URIs, Suites, Components, Signed-By), for sources
    sed -e 's/^Types:.*/Types: deb-src/' $sources | $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
elif [ -f $list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' $list | $sudo tee /etc/apt/sources.list.d/debian-src.list >/dev/null
else
    echo "deb-src.sh: no apt sources found to copy" >&2
    exit 1
fi
echo "deb-src.sh: added Debian's source archives; apt-get update" >&2
$sudo apt-get update -qq
