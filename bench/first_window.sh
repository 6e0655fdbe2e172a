#!/bin/sh
# bench/first_window.sh BENCH_BUILD_DIR SELVADORO_EXE DATA_FOLDER
#
# The time to the first window: a bare Qt window (a QLabel) against
# Selvadoro's password window, under an X server of its own (Xvfb on the
# first free display from :91, 1366x768). After one warm-up run of each, 7
# rounds run the two in turn; prints "BARE_MEDIAN SELVADORO_MEDIAN" in
# seconds.
set -eu

if [ $# -ne 3 ]; then
    echo "uso: $0 CARTELLA_BUILD_BENCH ESEGUIBILE_SELVADORO CARTELLA_DATI" >&2
    exit 2
fi
build=$1
exe=$2
data=$3
rounds=7
first="$build/bench/selvadoro_first_window"
bare="$build/bench/selvadoro_bare_window"
for tool in "$first" "$bare" "$exe"; do
    if [ ! -x "$tool" ]; then
        echo "manca $tool" >&2
        exit 2
    fi
done
mkdir -p "$data"

work=$(mktemp -d)
xvfb_pid=""
stop() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM HUP

# Xvfb writes its display number to -displayfd once it accepts
# connections; a number taken by another server makes it exit, and the
# next is tried. -noreset: the server does not start over each time its
# last client leaves, which would refuse the next run's connection.
display=91
while :; do
    if [ "$display" -gt 199 ]; then
        echo "nessun display libero per Xvfb" >&2
        exit 1
    fi
    if [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; then
        display=$((display + 1))
        continue
    fi
    : >"$work/ready"
    Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp -noreset -displayfd 3 \
        3>"$work/ready" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    waited=0
    while [ ! -s "$work/ready" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ "$waited" -lt 200 ]; do
        sleep 0.05
        waited=$((waited + 1))
    done
    if [ -s "$work/ready" ]; then
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    display=$((display + 1))
done
DISPLAY=":$display"
export DISPLAY

median() {
    sort -n "$1" | sed -n "$(((rounds + 1) / 2))p"
}

# One timed run; what the programs write on stderr goes to a log, shown
# when a run fails.
timed() {
    if ! "$first" "$@" 2>>"$work/programs.log"; then
        cat "$work/programs.log" "$work/xvfb.log" >&2
        exit 1
    fi
}

timed "$bare" >/dev/null
timed "$exe" --cartella "$data" >/dev/null
: >"$work/bare"
: >"$work/selvadoro"
round=0
while [ "$round" -lt "$rounds" ]; do
    timed "$bare" >>"$work/bare"
    timed "$exe" --cartella "$data" >>"$work/selvadoro"
    round=$((round + 1))
done
echo "$(median "$work/bare") $(median "$work/selvadoro")"
