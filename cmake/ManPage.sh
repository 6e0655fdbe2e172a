#!/bin/sh
# ManPage.sh PROGRAM VERSION GUIDE OUT
# Writes the manual page selvadoro.1 from the program's own usage text
# (`selvadoro aiuto`), so that the two always say the same: the first line
# gives the synopsis, the first paragraph the description, the rest (the
# commands, the archives, the summaries) is copied as it is printed.
set -eu
program=$1
version=$2
guide=$3
out=$4

usage=$(QT_QPA_PLATFORM=offscreen "$program" aiuto)

# Text for troff: backslashes and minus signs escaped, no line starting
# with a control character.
escape() {
    sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

{
    printf '.TH SELVADORO 1 "" "Selvadoro %s" "Comandi di Selvadoro"\n' "$version"
    # No hyphenation and a ragged right edge: names and options stay whole.
    printf '.nh\n.ad l\n'
    printf '.SH NOME\n'
    printf 'selvadoro \\- gli archivi dell%sassociazione venatoria\n' "'"
    printf '.SH SINTASSI\n'
    printf '%s\n' "$usage" | sed -n '1s/^Uso: selvadoro //p' | escape |
        sed 's/^/.B selvadoro\n/'
    printf '.SH DESCRIZIONE\n'
    # The paragraph after the first empty line.
    printf '%s\n' "$usage" | awk 'NR > 2 && /^$/ { exit } NR > 2' | escape
    printf '.SH COMANDI\n'
    printf '.nf\n'
    printf '%s\n' "$usage" | awk 'found >= 2 && !/^Comandi:$/ { print } /^$/ { found++ }' | escape
    printf '.fi\n'
    printf '.SH FILE\n'
    printf '.TP\n%s\n' "$guide"
    printf 'la guida completa, che mostra anche \\fBselvadoro guida\\fR\n'
} > "$out"
