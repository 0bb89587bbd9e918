#!/usr/bin/env bash
# Installs the program into a temporary prefix and runs the installed program in a real X server:
#  1. the prefix holds the program folder, the launcher and the desktop files;
#  2. started from the launcher, the main window maps and File > Exit ends it with 0;
#  3. after the whole prefix has moved, run by a user who can't write the program folder,
#     File > Reset writes the preview page into that user's data folder and the shipped page
#     stays as it was.
# Usage (inside an X server started with -ac, so that another user may connect):
#   install.sh <build folder> <source folder>
set -uo pipefail
source "$(dirname "$0")/xdriver.sh"
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
id=example.tintora.Conversions
cmake --install "$1" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
[[ $(readlink "$prefix/bin/tintora-conversions") == ../lib/tintora-conversions/tintora ]] ||
    fail "the launcher is not a relative link to the program"
for file in share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
    share/{applications/$id.desktop,metainfo/$id.metainfo.xml,icons/hicolor/scalable/apps/$id.svg} \
    lib/tintora-conversions/{tintora,Webdask/WebDask.html} \
    lib/tintora-conversions/Pantone/{red,green,blue,pantone}list.dat; do
    [[ -s $prefix/$file ]] || fail "not installed: $file"
done

export QT_QPA_PLATFORM=xcb
start_then_choose x "$prefix/bin/tintora-conversions"

# nobody may not write the moved program folder.
mv "$prefix" "$work/moved"
home=$work/home
install -d -o 65534 -g 65534 -m 700 "$home" "$home/run"
start_then_choose "r x" setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -u XAUTHORITY -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$home" \
    XDG_RUNTIME_DIR="$home/run" "$work/moved/bin/tintora-conversions"
grep -q 'TINTORA CONVERSIONS WEBVIEWER 2003' \
    "$home/.local/share/Tintora Systems/Tintora Conversions/Webdask/WebDask.html" ||
    fail "the user's data folder holds no rewritten preview page"
cmp "$work/moved/lib/tintora-conversions/Webdask/WebDask.html" "$2/data/Webdask/WebDask.html" ||
    fail "the shipped page changed"
