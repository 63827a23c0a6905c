#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root as dpkg would install it, and uses the
# unpacked program as a user would: --version and --help answer without a display, and a real
# start writes the shipped files and the settings into the user's folders, never beside the
# programs (a user cannot write there; root could, and the program must not).
# Usage: debian_package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3
scratch=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$scratch/out/kerlanic_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$scratch/out")"
# Computed from the programs' libraries, so with their versions.
depends=$(dpkg-deb --field "$deb" Depends)
[[ "$depends" == *"libqt6widgets6 (>= 6."* ]] || fail "Depends: $depends"

root="$scratch/root"
dpkg -x "$deb" "$root"
bin="$root/usr/bin"
noscreen=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${noscreen[@]}" "$bin/kerlanic" --version)" = "Kerlanic $version" ] || fail "--version"
"${noscreen[@]}" "$bin/kerlanic" --help | grep -qx 'Utilisation : kerlanic \[commande\]' || fail "--help"

installed=$(cd "$root" && find . | LC_ALL=C sort)
chmod a-w "$bin"
home="$scratch/home"
mkdir -p "$home" && mkdir -m 700 "$scratch/run"
# A clean environment, but for the sanitizers' options of a checked build.
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$scratch/run" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$bin/kerlanic" 2>"$scratch/kerlanic.log" &
pid=$!
# A first start stops at the first-installation message; its files are written by then.
settings="$home/.config/Kerlanic/C_Postal.conf"
for _ in $(seq 150); do
    [ -f "$settings" ] && break
    sleep 0.2
done
kill -0 "$pid" || fail "kerlanic ended at start-up: $(cat "$scratch/kerlanic.log")"
kill "$pid" && wait "$pid" || true
pid=

data="$home/.local/share/Kerlanic/Kerlanic"
[ "$(ls "$data")" = "$(printf '%s\n' FXXXX_CP.txt Kerlanic.hlp Kerlanic.lock Liste_DVF.txt)" ] \
    || fail "user data folder holds: $(ls -A "$data")"
grep -qxF "Chemin%20Repertoire=$data" "$settings" || fail "settings: $(cat "$settings")"
[ "$(cd "$root" && find . | LC_ALL=C sort)" = "$installed" ] || fail "the installed tree changed"
