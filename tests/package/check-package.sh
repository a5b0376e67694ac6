#!/usr/bin/env bash
# What cmake --install places passes the desktop's own checks; the .deb of make package
# depends on what the program links, installs into a clean root, and starts there.
set -euo pipefail
build=$1 root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root/install cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$root"/install/usr/share/applications/org.qzv.carrowby.desktop
appstreamcli validate --no-net --pedantic "$root"/install/usr/share/metainfo/*.xml
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256 scalable; do
    ls "$root"/install/usr/share/icons/hicolor/$size/apps/org.qzv.carrowby.* >/dev/null
done
(cd "$build" && cpack -G DEB -B "$root/deb" >/dev/null)
deb=$(ls "$root"/deb/carrowby_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>='
dpkg-deb -x "$deb" "$root/clean"
export HOME=$root XDG_CONFIG_HOME=$root/config QT_QPA_PLATFORM=
xvfb-run -a bash -c '"$1" & timeout 20 xdotool search --sync --onlyvisible --name "^Carrowby\$"
    found=$?; kill $!; wait $!; exit $found' bash "$root/clean/usr/bin/carrowby"
echo "the package installs into a clean root and starts there"
