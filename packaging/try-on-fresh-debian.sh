#!/usr/bin/env bash
# Tries the Debian package on a fresh Debian 12: a minimal system made by debootstrap, copied anew
# for every run. In it: `apt-get install ./package.deb` (pulling only what the package declares),
# no library unresolved, the desktop entry's command starts the program in a real X server and
# File > Exit ends it, the Web Browser panel starts the browser, a user's preview page lands in
# their data folder, and `apt-get purge` leaves nothing behind.
# Needs root and Debian's package mirrors.
# Usage: packaging/try-on-fresh-debian.sh [build folder, default build]
set -euo pipefail

source_folder=$(cd "$(dirname "$0")/.." && pwd)
build_folder=$(cd "${1:-$source_folder/build}" && pwd)
pristine=${TINTORA_FRESH_DEBIAN:-/var/tmp/tintora-fresh-bookworm}
root=$(mktemp -d /var/tmp/tintora-try.XXXXXX)
step() { echo "== $*"; }
fail() { echo "FAIL: $*"; exit 1; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

cleanup() {
    for mount in tmp dev/pts dev proc sys; do
        mountpoint -q "$root/$mount" && umount -l "$root/$mount"
    done
    rm -rf --one-file-system "$root" "$root.out"
}
trap cleanup EXIT

command -v debootstrap >/dev/null || apt-get install -y debootstrap >/dev/null
if [[ ! -x $pristine/usr/bin/apt-get ]]; then
    step "debootstrap bookworm into $pristine"
    rm -rf "$pristine"
    debootstrap --variant=minbase bookworm "$pristine" http://deb.debian.org/debian >/dev/null
fi

step "package"
cpack --config "$build_folder/CPackConfig.cmake" -G DEB -B "$root.out" >/dev/null
package=$(ls "$root".out/tintora-conversions_*.deb)

step "fresh system in $root"
cp -a "$pristine/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs tmpfs "$root/tmp"
cp "$package" "$root/tmp/"
cp "$source_folder/tests/e2e/xdriver.sh" "$root/tmp/"
echo 'deb http://deb.debian.org/debian-security bookworm-security main' \
    >"$root/etc/apt/sources.list.d/security.list"
echo 'deb http://deb.debian.org/debian bookworm-updates main' \
    >"$root/etc/apt/sources.list.d/updates.list"
in_root apt-get update -q >/dev/null

step "apt-get install ./$(basename "$package")"
before=$(in_root dpkg-query -W -f '.\n' | wc -l)
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$package")" \
    >"$root/tmp/install.log" || { tail -30 "$root/tmp/install.log"; fail "install failed"; }
after=$(in_root dpkg-query -W -f '.\n' | wc -l)
echo "installed with $((after - before - 1)) packages it depends on"

step "every library resolves"
program_folder=/usr/lib/tintora-conversions
for file in "$program_folder/tintora" "$program_folder/libtintora_webview.so" \
            /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so; do
    ! in_root ldd "$file" | grep 'not found' || fail "$file has unresolved libraries"
done

step "runs before anything else is installed (offscreen)"
status=0
in_root env QT_QPA_PLATFORM=offscreen timeout 5 tintora-conversions >"$root/tmp/run.log" 2>&1 ||
    status=$?
((status == 124)) || fail "the program ended by itself with $status: $(cat "$root/tmp/run.log")"
! grep -iE 'cannot|could not|error' "$root/tmp/run.log" || fail "the program complained"

step "from the launcher in a real X server, as root and as a user"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb xauth xdotool >/dev/null
in_root useradd --create-home tester
cat >"$root/tmp/drive.sh" <<'DRIVE'
source /tmp/xdriver.sh
export QT_QPA_PLATFORM=xcb
# As the desktop starts it: the command of the installed desktop entry.
entry=/usr/share/applications/example.tintora.Conversions.desktop
read -r -a command < <(sed -n 's/^Exec=//p' "$entry")
start_then_choose x "${command[@]}"
echo "PASS: root: the desktop entry's command (${command[*]}) mapped the main window;" \
     "File > Exit ended it with 0"
tintora-conversions &
pid=$!
window=$(wait_for_window "$caption" 60) || fail "the main window did not map"
xdotool mousemove --window "$window" 313 37 click 1
sleep 5
kill -0 "$pid" 2>/dev/null || fail "the program ended when the Web Browser panel opened"
grep -q libQt6WebEngineCore "/proc/$pid/maps" || fail "the browser did not start"
kill "$pid"
wait "$pid" 2>/dev/null
echo "PASS: root: the Web Browser panel started the browser"
start_then_choose "r x" runuser -u tester -- env -u XAUTHORITY HOME=/home/tester \
    tintora-conversions
copy="/home/tester/.local/share/Tintora Systems/Tintora Conversions/Webdask/WebDask.html"
grep -q 'TINTORA CONVERSIONS WEBVIEWER 2003' "$copy" || fail "no page in the user's data folder"
echo "PASS: user: the preview page was written to $copy"
DRIVE
in_root xvfb-run -a -s "-ac -noreset -screen 0 1280x1024x24" bash /tmp/drive.sh

step "the installed files are as packaged"
changed=$(in_root dpkg --verify tintora-conversions) || true
[[ -z $changed ]] || fail "installed files changed: $changed"

step "apt-get purge"
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q tintora-conversions >/dev/null
in_root dpkg-query -W tintora-conversions 2>/dev/null | grep -q . &&
    [[ $(in_root dpkg-query -W -f '${db:Status-Status}' tintora-conversions) != not-installed ]] &&
    fail "the package is still registered"
left=$(in_root find /usr /etc -name '*tintora*' -o -name 'example.tintora.*')
[[ -z $left ]] || fail "left behind: $left"
echo "PASS: installed, ran and purged on a fresh Debian 12; nothing left under /usr or /etc"
