#!/usr/bin/env bash
# Fluvano for Windows, cross-built on Debian 12 with MinGW-w64 (as root; what
# is missing is installed with apt-get):
#
#   scripts/windows.sh          builds build-windows/ and writes
#                               dist/Fluvano-<version>-win64.zip (portable) and
#                               dist/Fluvano-<version>-setup.exe (installer)
#   scripts/windows.sh test     the same, then the test suite under Wine
#                               (Qt Test programs offscreen, fluvano.exe on Xvfb,
#                               fluvano-cli.exe against the Linux build)
#
# Qt for Windows: the install prefix in FLUVANO_QT_MINGW when set; else Qt's
# qtbase from Debian's qt6-base source, built once into
# ~/.cache/fluvano/qt6-mingw (about 45 minutes on two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mode=${1:-build}
case "$mode" in
    build | test) ;;
    *)
        echo "usage: $0 [test]" >&2
        exit 2
        ;;
esac

packages=(
    cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-liberation
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    wine wine64 nsis zip
    xvfb xauth openbox xdotool x11-utils x11-apps xclip
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}; run as root or install them with apt-get." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Qt's qtbase for x86_64-w64-mingw32 from Debian's source package, with
# Debian's host tools; the configuration of the shared toolchains README.
build_qt() { # prefix
    local prefix=$1
    local work=${XDG_CACHE_HOME:-$HOME/.cache}/fluvano/qt6-mingw-build
    echo "Building Qt for Windows into $prefix (about 45 minutes on two cores) ..."
    mkdir -p "$work"
    if ! grep -rqsE '^deb-src .*bookworm|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        [ "$(id -u)" -eq 0 ] || { echo "Needs a deb-src entry for bookworm (as root)." >&2; exit 1; }
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            # The deb822 entry of the Debian archive, for sources (same keyring).
            sed -n '1,/^$/p' /etc/apt/sources.list.d/debian.sources | sed 's/^Types:.*/Types: deb-src/' \
                >/etc/apt/sources.list.d/fluvano-deb-src.sources
        else
            echo 'deb-src http://deb.debian.org/debian bookworm main' >/etc/apt/sources.list.d/fluvano-deb-src.list
        fi
        apt-get update -qq
    fi
    (cd "$work" && apt-get source --download-only qt6-base)
    local orig
    orig=$(ls "$work"/qt6-base_6.4.2*.orig.tar.xz | head -n 1)
    rm -rf "$work/src" "$work/build"
    mkdir -p "$work/src"
    tar xJf "$orig" -C "$work/src" --strip-components=1
    cat >"$work/mingw-w64-x86_64.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
        -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_doubleconversion=OFF -DINPUT_openssl=no
    nice cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build"
    # The toolchain file beside Qt's own, which names it, so that the prefix
    # does not depend on the build folder.
    cp "$work/mingw-w64-x86_64.cmake" "$prefix/lib/cmake/Qt6/mingw-w64-x86_64.cmake"
    sed -i "s|$work/mingw-w64-x86_64.cmake|\${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake|" \
        "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
    rm -rf "$work"
}

qt=${FLUVANO_QT_MINGW:-${XDG_CACHE_HOME:-$HOME/.cache}/fluvano/qt6-mingw}
[ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || build_qt "$qt"

# The Linux program, whose command-line output the Windows one must match.
linux_program=$root/build/fluvano
if [ "$mode" = test ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build --target fluvano
fi

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DFLUVANO_LINUX_PROGRAM="$linux_program" >/dev/null
nice cmake --build build-windows --parallel 2

# The program folder as `cmake --install` lays it out: the installer's
# content; the zip's without the installation marker.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
stage=$root/build-windows/stage/Fluvano
rm -rf "$root/build-windows/stage"
cmake --install build-windows --prefix "$stage" >/dev/null
mkdir -p dist
zip_file=$root/dist/Fluvano-$version-win64.zip
rm -f "$zip_file"
(cd "$root/build-windows/stage" && zip -q -r -9 -X "$zip_file" Fluvano -x Fluvano/Fluvano.installed)

# The installer's file lists: every file of the folder to install, and the
# same to remove, so that uninstalling leaves nothing of the program and
# nothing else is touched.
files=$root/build-windows/stage/files.nsh
unfiles=$root/build-windows/stage/unfiles.nsh
: >"$files"
: >"$unfiles"
(
    cd "$stage"
    find . -type d | sort | while read -r dir; do
        rel=${dir#.}
        rel=${rel#/}
        win=${rel//\//\\}
        echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >>"$files"
        find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
            name=${file#./}
            echo "File \"$stage/$name\"" >>"$files"
            echo "Delete \"\$INSTDIR\\${name//\//\\}\"" >>"$unfiles"
        done
    done
    find . -mindepth 1 -type d | sort -r | while read -r dir; do
        name=${dir#./}
        echo "RMDir \"\$INSTDIR\\${name//\//\\}\"" >>"$unfiles"
    done
)
echo "SetOutPath \"\$INSTDIR\"" >>"$files"
size_kb=$(du -sk "$stage" | cut -f1)
version_quad=$version
while [ "$(tr -cd . <<<"$version_quad" | wc -c)" -lt 3 ]; do version_quad=$version_quad.0; done
setup_file=$root/dist/Fluvano-$version-setup.exe
# The circuit documents' MIME type, as the shared MIME database declares it.
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' packaging/*.Fluvano.xml)
makensis -V2 -DVERSION="$version" -DVERSION_QUAD="$version_quad" -DSTAGE="$stage" -DMIME_TYPE="$mime_type" \
    -DICON="$root/packaging/windows/fluvano.ico" -DSIZE_KB="$size_kb" \
    -DFILES="$files" -DUNFILES="$unfiles" -DOUTFILE="$setup_file" packaging/windows/fluvano.nsi
echo "Written: ${zip_file#"$root"/} ${setup_file#"$root"/}"

if [ "$mode" = test ]; then
    # Each test runs once; build-windows/wine-run.sh runs a Qt Test program a
    # second time only when Wine ended it at once without a line of output.
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-windows --output-on-failure --parallel 2
    # The installer, silently into a scratch Wine prefix: installed over
    # itself, then removed; the user's settings stay.
    packaging/windows/check-installer.sh "$setup_file" "$version" build-windows/wine-run.sh
fi
