#!/bin/sh
# check_command_line.sh PROGRAM VERSION
# The program as a process: --help and -h print the usage text of `aiuto`,
# --version the name and version, each with status 0 and without a display;
# asked for its windows where no display can be opened, it says so in
# Italian, naming `selvadoro aiuto`, with status 1; on a full disk the
# guide in PDF fails with an Italian reason.
set -eu
program=$1
version=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail=0
"$program" aiuto > "$folder/aiuto"
for option in --help -h; do
    if ! "$program" "$option" > "$folder/out" 2> "$folder/err"; then
        echo "$option: non riuscito"; cat "$folder/err"; fail=1
    elif ! cmp -s "$folder/out" "$folder/aiuto"; then
        echo "$option: non stampa il testo di aiuto"; fail=1
    fi
done
grep -q -- "--version" "$folder/aiuto" || { echo "aiuto non cita --version"; fail=1; }
"$program" --cartella "$folder" --help > "$folder/out" && cmp -s "$folder/out" "$folder/aiuto" ||
    { echo "--cartella C --help: non stampa il testo di aiuto"; fail=1; }

if ! "$program" --version > "$folder/out" 2> "$folder/err"; then
    echo "--version: non riuscito"; cat "$folder/err"; fail=1
elif [ "$(cat "$folder/out")" != "Selvadoro $version" ]; then
    echo "--version: stampa \"$(cat "$folder/out")\""; fail=1
fi

# No display: the same with the platform named, or none.
for platform in "" xcb wayland "wayland;xcb"; do
    status=0
    if [ -n "$platform" ]; then
        QT_QPA_PLATFORM=$platform "$program" --cartella "$folder" > "$folder/out" 2> "$folder/err" ||
            status=$?
    else
        "$program" --cartella "$folder" > "$folder/out" 2> "$folder/err" || status=$?
    fi
    if [ "$status" -ne 1 ]; then
        echo "senza schermo ($platform): stato $status invece di 1"; fail=1
    fi
    if ! grep -q "nessuno schermo disponibile" "$folder/err" ||
        ! grep -q "selvadoro aiuto" "$folder/err" ||
        grep -qi "plugin\|could not\|platform" "$folder/err"; then
        echo "senza schermo ($platform): messaggio"; cat "$folder/err"; fail=1
    fi
done

# A full disk (no file may grow; the signal of the limit ignored, so that
# the write fails instead of ending the process). Its error stream goes
# through a pipe to a process without the limit.
{
    status=0
    (trap '' XFSZ; ulimit -f 0; exec "$program" guida --pdf "$folder/Guida.pdf" 2>&1 >/dev/null) ||
        status=$?
    echo "$status" > "$folder/status"
} | cat > "$folder/err"
status=$(cat "$folder/status")
if [ "$status" -eq 0 ]; then
    echo "guida --pdf su un disco pieno: riuscito"; fail=1
elif ! grep -q "Impossibile scrivere il file" "$folder/err" ||
    grep -Eqiw "the|is|not|cannot|error|space|device|too|large|unknown" "$folder/err"; then
    echo "guida --pdf su un disco pieno: messaggio"; cat "$folder/err"; fail=1
fi
exit $fail
