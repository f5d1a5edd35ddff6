#!/usr/bin/env bash
# Builds the Windows program on this Debian machine and deploys it as a folder:
#   1. Qt's qtbase for Windows x86_64 from Debian's own qt6-base source package,
#      with Debian's MinGW-w64 (posix thread model) and the host's Qt tools. It is
#      installed to a cache folder outside the clone, named by Qt's version and a
#      hash of the options below, and reused from there by later runs;
#   2. vandelor.exe with the COM backend, and the Windows stand-in;
#   3. the folder BUILD_DIR/vandelor (the program, the Qt DLLs and plug-ins it
#      loads, Qt's German texts, the MinGW runtime, all stripped) and
#      BUILD_DIR/vandelor-windows.zip of it.
#
#   bash scripts/build-windows.sh [BUILD_DIR]     (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
cache_root=${VANDELOR_CACHE:-/var/cache/vandelor}

source scripts/lib.sh
need_packages g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev zip \
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
# The source of the same Debian version as the host's Qt tools, which must match it.
qt_package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qt_version=${qt_package_version%%+*}

# Only the modules and plug-ins the program loads: Core, Gui, Widgets, the
# windows platform plug-in and the Windows styles, all of it from Qt's own
# sources rather than libraries of this machine.
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    # GCC's garbage collection from 1 GB of heap on, not 128 MB: a tenth faster.
    -DCMAKE_CXX_FLAGS=--param=ggc-min-heapsize=1048576
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_icu=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    # Debian's source leaves out the tablet header the tablet support needs.
    -DFEATURE_tabletevent=OFF
    # Neither the Direct2D platform plug-in (it compiles the windows one anew),
    # nor GIF and ICO images, animations, PDF, ODF and Markdown documents, nor
    # widgets the program never shows. Its icon is a PNG resource.
    -DFEATURE_direct2d=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_movie=OFF
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_undoview=OFF
    -DFEATURE_wizard=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_fontcombobox=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_dockwidget=OFF -DFEATURE_columnview=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_textbrowser=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_syntaxhighlighter=OFF -DFEATURE_scroller=OFF -DFEATURE_gestures=OFF
    -DFEATURE_sessionmanager=OFF -DFEATURE_picture=OFF -DFEATURE_mimetype=OFF
    # Neither the Fusion style nor style sheets: the program draws in the
    # Windows styles and sets no style sheet.
    -DFEATURE_style_fusion=OFF -DFEATURE_style_stylesheet=OFF
    # The DirectWrite 3 font database is built into Gui only with Direct2D, but
    # the windows plug-in asks for it without; the program uses the default one.
    -DFEATURE_directwrite3=OFF
)
options_hash=$(printf '%s\n' "${qt_options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
qt=$cache_root/qt-$qt_version-$options_hash

# A deb-src entry for every deb entry of this machine, so that apt-get source
# finds the package where the machine gets its binaries.
add_source_entries() {
    local entries=/etc/apt/sources.list.d/vandelor-deb-src copied f
    copied=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$f" ] && [ "$f" != "$entries.sources" ]; then
            sed 's/^Types:.*/Types: deb-src/' "$f"
            echo
        fi
    done >"$copied"
    chmod 644 "$copied"
    if [ -s "$copied" ]; then mv "$copied" "$entries.sources"; else rm -f "$copied"; fi
    if [ -f /etc/apt/sources.list ] && grep -q '^deb[[:space:]]' /etc/apt/sources.list; then
        sed -n 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$entries.list"
    fi
    apt-get update -qq
}

work=
trap 'rm -rf "$work"' EXIT
build_qt() {
    work=$(mktemp -d /tmp/vandelor-qt.XXXXXX)
    echo "== Qt $qt_version for Windows: source"
    apt-get source --print-uris qt6-base="$qt_package_version" 2>/dev/null | grep -q dsc ||
        add_source_entries
    (cd "$work" && apt-get source -qq qt6-base="$qt_package_version" >source.log 2>&1) ||
        { cat "$work/source.log"; return 1; }
    echo "== Qt $qt_version for Windows: configure and build (about 18 minutes on 2 cores)"
    cmake -G Ninja -S "$work"/qt6-base-*/ -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$qt.partial" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_options[@]}" >"$work/configure.log" ||
        { tail -40 "$work/configure.log"; return 1; }
    cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" ||
        { grep -B5 -A20 'FAILED' "$work/build.log" | head -80; return 1; }
    rm -rf "$qt.partial"
    cmake --install "$work/build" >/dev/null
    # Renamed only when complete, so that an interrupted build is not taken for one.
    mv "$qt.partial" "$qt"
}

mkdir -p "$cache_root"
if [ -d "$qt" ]; then
    echo "== Qt $qt_version for Windows: cached in $qt"
else
    build_qt
fi

echo "== vandelor.exe with the COM backend, and the Windows stand-in"
# The preset "windows" (CMakePresets.json) with the Qt of the cache folder.
cmake --preset windows -B "$build" -DCMAKE_FIND_ROOT_PATH="$qt" -DCMAKE_PREFIX_PATH="$qt" \
    >/dev/null
cmake --build "$build" -j"$(nproc)"

echo "== the program folder"
folder=$build/vandelor
rm -rf "$folder" "$build/vandelor-windows.zip"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/translations"
cp "$build/src/app/vandelor.exe" "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
for runtime in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$runtime")" "$folder/"
done
# Qt finds its German texts in translations/ beside its DLLs, the prefix of a
# deployed program; the texts are the same on every platform.
cp /usr/share/qt6/translations/qtbase_de.qm "$folder/translations/"
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
(cd "$build" && zip -qr vandelor-windows.zip vandelor)
echo "$folder ($(du -sh "$folder" | cut -f1)), $build/vandelor-windows.zip"
