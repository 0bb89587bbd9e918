#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it: it holds exactly what `cmake --install`
# puts under /usr, no program file carries a library search path, and it declares the Qt
# libraries, the browser, the X11 and Wayland platform plug-ins and LittleCMS it needs, and recommends the
# CMYK profile.
# Usage: debian_package.sh <build folder>
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$1/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null || fail "cpack failed"
package=$(echo "$work"/out/tintora-conversions_*_*.deb)
depends=$(dpkg-deb --field "$package" Depends) || fail "no package was made"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 qt6-qpa-plugins qt6-wayland \
    liblcms2-2; do
    [[ ", $depends," =~ ", $needed"[\ ,] ]] || fail "Depends lacks $needed: $depends"
done
[[ $(dpkg-deb --field "$package" Recommends) == *libgs-common* ]] ||
    fail "Recommends lacks libgs-common, which holds the default CMYK profile"

DESTDIR="$work/installed" cmake --install "$1" --prefix /usr >/dev/null ||
    fail "cmake --install failed"
dpkg-deb -x "$package" "$work/unpacked"
files() { (cd "$work/$1" && find . ! -type d | sort); }
diff -u <(files installed) <(files unpacked) || fail "the package differs from the install"
! readelf -d "$work"/unpacked/usr/lib/tintora-conversions/* 2>/dev/null | grep -E 'RPATH|RUNPATH' ||
    fail "a program file has a library search path"
