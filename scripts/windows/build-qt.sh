#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source
# package, cross-compiled with mingw-w64 (posix threads), into a cache outside
# the clone, and prints the installed prefix on its last line.
#
# The cache is keyed by the Qt version and by this script's own text, so a
# second clone (or CI on the same machine) reuses the build, and a changed
# configuration builds anew.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cache=${PLANE_FIGURES_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/plane-figures}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # the host tools' version
upstream=${version%%+*}
key=$(cat "$0" "$root/cmake/mingw-w64.cmake" | sha256sum | cut -c1-12)
prefix=$cache/qt-$upstream-mingw-static-$key

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache/src"
cd "$cache/src"
if ! ls qt6-base_"$version".dsc >/dev/null 2>&1; then
    # the source of exactly the host tools' version, from Debian's archive
    if ! apt-get source --download-only "qt6-base=$version" >&2; then
        echo "build-qt: no deb-src entry; add one for the suites in use (see README)" >&2
        exit 1
    fi
fi
src=$cache/src/qt6-base-$upstream
if [ ! -f "$src/.unpacked" ]; then
    rm -rf "$src"
    dpkg-source -x qt6-base_"$version".dsc "$src" >&2
    touch "$src/.unpacked"
fi

build=$cache/build-$key
mkdir -p "$build"
cd "$build"
jobs=$(nproc 2>/dev/null || echo 2)

# Only what the program and its tests use. The tablet support of the Windows
# platform plugin needs wintab.h, which Debian's source leaves out; the program
# takes no tablet input, so the feature goes.
"$src/configure" -prefix "$prefix" \
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
    -qt-host-path /usr \
    -static -static-runtime -release -strip \
    -nomake examples -nomake tests \
    -no-feature-network -no-feature-sql -no-feature-xml -no-dbus \
    -no-opengl -no-feature-vulkan -no-feature-concurrent -no-libjpeg -no-gif -no-zstd \
    -no-icu -no-feature-tabletevent \
    -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion \
    -- -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
       -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel "$jobs" >&2
cmake --install . >&2
touch "$prefix/.complete"
rm -rf "$build"
echo "$prefix"
