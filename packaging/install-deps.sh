#!/usr/bin/env bash
# Installs the Debian packages named in the lists given that are not installed yet: as root
# directly, otherwise through sudo.
set -uo pipefail

missing=()
for list in "$@"; do
    while read -r pkg; do
        pkg=${pkg%%#*}
        pkg=${pkg//[[:space:]]/}
        [ -n "$pkg" ] || continue
        status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)
        [ "$status" = "install ok installed" ] || missing+=("$pkg")
    done <"$list"
done
[ ${#missing[@]} -eq 0 ] && exit 0

fail() {
    echo "error: these packages are needed and could not be installed: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
}

run=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || fail
    run=(sudo)
fi
echo "Installing missing packages: ${missing[*]}"

"${run[@]}" apt-get update -qq || fail
"${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || fail
