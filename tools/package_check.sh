#!/usr/bin/env bash
# Builds the Debian package from a Release build, installs it with apt and starts the installed
# program the way a player would, from a fresh home folder. Installs and removes the package
# `zuvo` on this machine (as root, or through sudo). The details go to build/package/check.log;
# the last line printed is PASS or FAIL.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build/package
mkdir -p "$dir"
log=$dir/check.log
: >"$log"
if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
# Waits for another apt run on this machine instead of failing on its lock.
apt=(apt-get -q -o DPkg::Lock::Timeout=300)
start=$SECONDS
homes=()
installed=0

cleanup() {
    if [ "$installed" = 1 ]; then "${SUDO[@]}" "${apt[@]}" remove -y zuvo >>"$log" 2>&1 || true; fi
    if [ ${#homes[@]} -gt 0 ]; then rm -rf "${homes[@]}"; fi
}
trap cleanup EXIT

# Marks in the log how long each step took.
phase() { echo "== $1 at $((SECONDS - start)) s" >>"$log"; }

fail() {
    echo "package check: $*" >>"$log"
    tail -n 30 "$log"
    echo "package check: FAIL ($*)"
    exit 1
}

phase build
# The program, its runtime files and help only: tests and benchmarks stay off.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUVO_BUILD_TESTS=OFF \
    -DZUVO_BUILD_BENCHMARKS=OFF >>"$log" 2>&1 || fail "configure"
cmake --build "$dir" -j2 >>"$log" 2>&1 || fail "build"
phase cpack
rm -f "$dir"/zuvo_*.deb
(cd "$dir" && cpack -G DEB) >>"$log" 2>&1 || fail "cpack"
debs=("$dir"/zuvo_*_amd64.deb)
[ -f "${debs[0]}" ] || fail "no zuvo_*_amd64.deb in $dir"
deb=$(readlink -f "${debs[0]}")

phase validate
desktop-file-validate packaging/pl.dravik.zuvo.desktop >>"$log" 2>&1 ||
    fail "desktop entry does not validate"
appstreamcli validate --no-net packaging/pl.dravik.zuvo.metainfo.xml >>"$log" 2>&1 ||
    fail "metainfo does not validate"

phase install
# The package lists may be missing or stale when tools/deps.sh had nothing to install.
if ! "${SUDO[@]}" "${apt[@]}" install -y "$deb" >>"$log" 2>&1; then
    "${SUDO[@]}" "${apt[@]}" update >>"$log" 2>&1 || fail "apt-get update"
    "${SUDO[@]}" "${apt[@]}" install -y "$deb" >>"$log" 2>&1 || fail "apt-get install"
fi
installed=1

files=$(dpkg -L zuvo)
for path in /usr/lib/zuvo/zuvo /usr/bin/zuvo /usr/share/zuvo/Lab.bmp /usr/share/zuvo/Drav1.avi \
    /usr/share/zuvo/Drv.wav "/usr/share/zuvo/TEMATY POMOCY.HLP" /usr/share/zuvo/zuvo.qch \
    /usr/share/zuvo/Index.txt /usr/share/zuvo/PrnAx1.txt \
    /usr/share/applications/pl.dravik.zuvo.desktop \
    /usr/share/icons/hicolor/128x128/apps/zuvo.png \
    /usr/share/metainfo/pl.dravik.zuvo.metainfo.xml; do
    grep -qxF "$path" <<<"$files" || fail "dpkg -L zuvo lacks $path"
done
[ "$(command -v zuvo)" = /usr/bin/zuvo ] || fail "zuvo on PATH is not /usr/bin/zuvo"

# Starts the launcher with `home` as HOME for four seconds; it must still be running then.
run_for_a_while() {
    local home=$1
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen zuvo >>"$log" 2>&1 &
    local pid=$!
    sleep 4
    if ! kill -0 "$pid" 2>/dev/null; then
        local status=0
        wait "$pid" || status=$?
        fail "zuvo exited after less than 4 s (status $status)"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

phase start
home=$(mktemp -d)
homes+=("$home")
data=$home/.local/share/zuvo
run_for_a_while "$home"
for name in Index.txt Lab.bmp Drav1.avi Drv.wav "TEMATY POMOCY.HLP" PrnAx1.txt; do
    [ -f "$data/$name" ] || fail "data folder not seeded: $name missing"
done

phase reinstall
# A calibration the player saved survives installing the package again and the next start.
echo 4321 >"$data/PrnAx1.txt"
"${SUDO[@]}" "${apt[@]}" install -y --reinstall "$deb" >>"$log" 2>&1 || fail "second install"
run_for_a_while "$home"
[ "$(cat "$data/PrnAx1.txt")" = 4321 ] || fail "second install lost the saved calibration"

phase remove
"${SUDO[@]}" "${apt[@]}" remove -y zuvo >>"$log" 2>&1 || fail "apt-get remove"
installed=0
if [ "$(cat "$data/PrnAx1.txt")" != 4321 ] || [ ! -f "$data/Lab.bmp" ]; then
    fail "apt-get remove touched the data folder"
fi

phase finished
echo "package check: PASS ($(basename "$deb") installed, started, reinstalled, removed;" \
    "$((SECONDS - start)) s)"
