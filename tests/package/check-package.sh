#!/usr/bin/env bash
# The installed files and the .deb pass Debian's checks and start from a clean root; every file
# states its licence.
set -euo pipefail
build=$1 root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root/install cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$root"/install/usr/share/applications/org.qzv.carrowby.desktop
appstreamcli validate --no-net --pedantic "$root"/install/usr/share/metainfo/*.xml
ls "$root"/install/usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256,scalable}/apps/org.qzv.carrowby.* >/dev/null
(cd "$build" && timeout 90 cpack -G DEB -B "$root/deb" >/dev/null)
deb=$(ls "$root"/deb/carrowby_*.deb)
# lintian leaves files in TMPDIR
report=$(TMPDIR=$root timeout 90 lintian "$deb" 2>&1) || { echo "$report"; exit 1; }
if grep -E '^[EW]: ' <<<"$report"; then exit 1; fi
version=$(env -u DISPLAY "$build/app/carrowby" --version) # answered without a display
env -u DISPLAY "$build/app/carrowby" --help | grep -q '^  -v, --version'
# Refusals, no display, no such platform, an answer that cannot be written: status and one line.
refused() { # status, what stderr starts with, then the command
    local said status=0; said=$(env QT_QPA_PLATFORM= "${@:3}" 2>&1 >&-) || status=$?
    [ $status = "$1" ] && [[ $said == "$2"* ]] || { echo "$*: $status, $said"; exit 1; }
}
refused 2 "carrowby: Unknown option 'platform'." "$build/app/carrowby" -platform offscreen
refused 2 "carrowby: cannot open the display :49:" env DISPLAY=:49 "$build/app/carrowby"
refused 2 "carrowby: no display to show its window on" env -u DISPLAY -u WAYLAND_DISPLAY "$build/app/carrowby"
refused 2 'carrowby: the Qt platform plugin "xbc" is not installed (installed: ' env QT_QPA_PLATFORM=xbc "$build/app/carrowby"
refused 1 "carrowby: write error: Bad file descriptor" "$build/app/carrowby" --help
[ "carrowby $(dpkg-deb -f "$deb" Version)" = "$version" ]
grep -q "<release version=\"${version#carrowby }\"" "$root"/install/usr/share/metainfo/*.xml
zcat "$root"/install/usr/share/doc/carrowby/changelog.gz | head -1 | grep -qF "(${version#carrowby })"
dpkg-deb -f "$deb" Depends | grep 'fonts-liberation2, fonts-dejavu-core' | grep -q 'libqt6widgets6 (>='
dpkg-deb -f "$deb" Recommends | grep -q qt6-speech-speechd-plugin # Read Aloud's, an option
[ -z "$(dpkg-deb -f "$deb" Depends | grep -i speech)" ]
(cd .. && reuse lint -q)
dpkg-deb -x "$deb" "$root/clean"
# The tests as CSV without a display, read as they stand (a title's NUL too), nothing written; a
# file that is no database, or whose tests cannot all be read, is an error.
mkdir -p "$root/data/carrowby"
results=$root/data/carrowby/results.sqlite
csv=(env -u DISPLAY XDG_DATA_HOME="$root/data" "$root/clean/usr/bin/carrowby" --results-csv)
: >"$results"
[ "$("${csv[@]}")" = "$("${csv[@]}" | head -1)" ] && [ ! -s "$results" ]
/usr/bin/python3 -c 'import sqlite3, sys; sqlite3.connect(sys.argv[1]).executescript("""
    CREATE TABLE tests (id, started, ended, title, operations, numbers, difficulty, problems,
        time_limit, correct, incorrect, unanswered, percentage, grade, end_reason);
    INSERT INTO tests VALUES (1, "s", "e", "Ada, Bo" || char(0) || "!", "+", "7", "Easy", 10, 0,
        9, 1, 0, 90, "A-", "finished");
    PRAGMA user_version = 2;""")' "$results"
"${csv[@]}" | tail -1 | tr '\0' '0' | grep -F '1,s,e,"Ada, Bo0!",'\''+,7,Easy,10,0,9,1,0,90,A-,finished' >/dev/null
[ "$("${csv[@]}" --title Bo)" = "$("${csv[@]}" | head -1)" ] # another title's: none
refused 2 "carrowby: --answers and --title go with --results-csv." "$build/app/carrowby" --answers
/usr/bin/python3 -c 'import sqlite3, sys; sqlite3.connect(sys.argv[1]).execute("PRAGMA user_version = -1")' "$results"
refused 1 "carrowby: the results in $results cannot be read" "${csv[@]}"
echo "my shopping list" >"$results"
refused 1 "carrowby: the results in $results cannot be read" "${csv[@]}"
# The package carries a translation for each language's file, and no other.
diff <(cd ../translations && ls carrowby_*.ts | sed 's/ts$/qm/') <(ls "$root/clean/usr/share/carrowby/translations")
export HOME=$root XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_RUNTIME_DIR=$root \
    QT_QPA_PLATFORM=
# Started as nohup does (SIGHUP and SIGINT ignored) it leaves them so; with its standard input and
# error closed it holds them on /dev/null; File > Results opens the installed module's window.
setsid xvfb-run -a bash -c 'trap "" HUP; "$1" <&- 2>&- & wid=$(timeout 20 xdotool search --sync \
    --onlyvisible --name "^Carrowby\$"); found=$?; ignored=$(grep -Po "SigIgn:\s*\K\S+" /proc/$!/status)
    xdotool windowfocus --sync $wid key alt+f r
    timeout 20 xdotool search --sync --onlyvisible --name "^Results\$" >/dev/null; results=$?
    held=$(readlink /proc/$!/fd/0 /proc/$!/fd/2 | sort -u); kill $!; wait $!
    [ "$held" = /dev/null ] && exit $((found || results || (0x$ignored & 3) != 3))' bash \
    "$root/clean/usr/bin/carrowby" &
group=$! status=0
wait $group || status=$?
while kill -0 -- -$group 2>/dev/null; do sleep 0.05; done # Xvfb gone, as the next display needs
[ $status = 0 ]
echo "the package passes lintian, installs into a clean root and starts there"
