#!/usr/bin/env bash
# Installs the program into a temporary prefix and runs the installed program in a real X server:
#  1. the prefix holds the program folder, the launcher and the desktop files;
#  2. started from the launcher, the main window maps and File > Exit ends it with 0, also after
#     the whole prefix has moved elsewhere;
#  3. run by a user who can't write the program folder, File > Reset writes the preview page into
#     that user's data folder, and the shipped page stays as it was.
# Usage (inside an X server started with -ac, so that another user may connect):
#   install.sh <build folder> <source folder>
set -uo pipefail

source "$(dirname "$0")/xdriver.sh"
build_folder=$1
source_folder=$2
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
app_id=example.tintora.Conversions

# 1. The installed files.
cmake --install "$build_folder" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
[[ $(readlink "$prefix/bin/tintora-conversions") == ../lib/tintora-conversions/tintora ]] ||
    fail "the launcher is not a relative link to the program"
expected=(lib/tintora-conversions/tintora lib/tintora-conversions/Webdask/WebDask.html
          share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml
          share/icons/hicolor/scalable/apps/$app_id.svg)
for list in red green blue pantone; do
    expected+=(lib/tintora-conversions/Pantone/${list}list.dat)
done
for size in 16 32 48 64 128 256; do
    expected+=(share/icons/hicolor/${size}x${size}/apps/$app_id.png)
done
for file in "${expected[@]}"; do
    [[ -s $prefix/$file ]] || fail "not installed: $file"
done
echo "PASS: the program folder, the launcher and the desktop files are installed"

export QT_QPA_PLATFORM=xcb

# 2. Started from the launcher, here and after a move.
start_then_choose x "$prefix/bin/tintora-conversions"
mv "$prefix" "$work/moved"
start_then_choose x "$work/moved/bin/tintora-conversions"
mv "$work/moved" "$prefix"
echo "PASS: the launcher starts the installed program, File > Exit ends it with 0, also moved"

# 3. A user who may not write the program folder (nobody): the page goes to their data folder.
user=65534
home=$work/home
mkdir -p "$home/run"
chmod 700 "$home/run"
chown -R "$user:$user" "$home"
shipped=$prefix/lib/tintora-conversions/Webdask/WebDask.html
start_then_choose "r x" setpriv --reuid="$user" --regid="$user" --clear-groups \
    env -u XAUTHORITY -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$home" \
    XDG_RUNTIME_DIR="$home/run" "$prefix/bin/tintora-conversions"

copy="$home/.local/share/Tintora Systems/Tintora Conversions/Webdask/WebDask.html"
[[ -f $copy ]] || fail "no preview page in the user's data folder"
[[ $(stat -c %u "$copy") == "$user" ]] || fail "the user's preview page belongs to someone else"
grep -q 'TINTORA CONVERSIONS WEBVIEWER 2003' "$copy" ||
    fail "the user's preview page was not rewritten"
cmp -s "$shipped" "$source_folder/data/Webdask/WebDask.html" || fail "the shipped page changed"
[[ $(ls -A "$(dirname "$shipped")") == WebDask.html ]] || fail "files left in the program folder"
echo "PASS: another user's preview page is written into their data folder"
echo "all passed"
