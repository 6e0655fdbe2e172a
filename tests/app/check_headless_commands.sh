#!/bin/sh
# check_headless_commands.sh PROGRAM
# The commands that draw nothing start without the graphical application
# object; each of them runs as its own process here, without a display, on
# archives of one record, and must succeed and write what it is asked to.
set -eu
program=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# One record of each archive, its first field holding a text, every other
# byte zero (an empty card).
record() { # FILE SIZE TEXT
    { printf '%s' "$3"; head -c $(($2 - ${#3})) /dev/zero; } > "$folder/$1"
}
record Cacciatori.pro 5090 "$(printf '\005Rossi')"
record Squadre.pro 12719 "Squadra uno"
record Comunicazioni.pro 17629 "Oggetto"
record 2024.sca 1328 "$(printf '\00201')"

fail=0
run() { # EXPECTED-FILE COMMAND...
    expected=$1
    shift
    if ! "$program" --cartella "$folder" "$@" > "$folder/out" 2> "$folder/err"; then
        echo "Non riuscito: $*"
        cat "$folder/err"
        fail=1
    elif [ -n "$expected" ] && [ ! -s "$folder/$expected" ]; then
        echo "Non scritto: $expected ($*)"
        fail=1
    fi
}
run "" aiuto
run "" controlla cf RSSMRA80A01H501U
run "" cerca anagrafica Cognome=ross
grep -q "Rossi" "$folder/out" || { echo "cerca: Rossi non elencato"; fail=1; }
run "" riepilogo porto-scadenza --oggi 10/05/2024
run anagrafica.xls esporta anagrafica --file "$folder/anagrafica.xls"
run squadra.rtf rtf squadre 1 --file "$folder/squadra.rtf"
run comunicazione.rtf rtf comunicazioni 1 --file "$folder/comunicazione.rtf"
run "" riepilogo scadenze-imminenti --oggi 01/01/2024
run giorno.xls riepilogo scadenze-giorno --data 01/01/2024 --file "$folder/giorno.xls"
run scadenze.xls esporta scadenzario --anno 2024 --file "$folder/scadenze.xls"
run password.dll password-iniziale "$folder/password.dll"
exit $fail
