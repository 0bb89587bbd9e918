#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it: it holds exactly what `cmake --install`
# puts under /usr, its launcher is the relative link, no program file carries a library search
# path, and it declares the Qt libraries, the browser and the X11 platform plug-in it needs.
# Usage: debian_package.sh <build folder>
set -uo pipefail

build_folder=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build_folder/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
package=$(ls "$work"/out/tintora-conversions_*_*.deb 2>/dev/null | head -n 1)
[[ -f $package ]] || fail "no package was made"

field() { dpkg-deb --field "$package" "$1"; }
[[ $(field Package) == tintora-conversions ]] || fail "package name $(field Package)"
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
        fail "Depends lacks $needed: $depends"
done
echo "PASS: the package declares its libraries: $depends"

# The package's files are the installed tree, no more and no less.
DESTDIR="$work/installed" cmake --install "$build_folder" --prefix /usr >/dev/null ||
    fail "cmake --install failed"
(cd "$work/installed" && find . -mindepth 1 ! -type d | sort) >"$work/installed.list"
dpkg-deb -x "$package" "$work/unpacked"
(cd "$work/unpacked" && find . -mindepth 1 ! -type d | sort) >"$work/package.list"
diff -u "$work/installed.list" "$work/package.list" || fail "the package differs from the install"
launcher=$work/unpacked/usr/bin/tintora-conversions
[[ $(readlink "$launcher") == ../lib/tintora-conversions/tintora ]] ||
    fail "the launcher is not the relative link"
for file in "$work"/unpacked/usr/lib/tintora-conversions/*; do
    [[ -f $file ]] || continue
    ! readelf -d "$file" 2>/dev/null | grep -qE 'RPATH|RUNPATH' || fail "$file has a search path"
done
echo "PASS: the package holds the installed tree ($(wc -l <"$work/package.list") files)"
echo "all passed"
