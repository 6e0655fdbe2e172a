#!/bin/sh
# check_guide_pdf.sh PROGRAM GUIDA.pdf
# The PDF guide of the installation folder is at least as new as the
# program, and pdftotext finds every help topic's title in it.
set -eu
program=$1
pdf=$2

if [ ! -s "$pdf" ]; then
    echo "Manca $pdf"
    exit 1
fi
if [ "$program" -nt "$pdf" ]; then
    echo "$pdf è più vecchia del programma"
    exit 1
fi

titles=$(mktemp)
trap 'rm -f "$titles"' EXIT
QT_QPA_PLATFORM=offscreen "$program" guida --titoli > "$titles"
# Titles may wrap over two lines in the document.
text=$(pdftotext "$pdf" - | tr '\n' ' ' | tr -s ' ')

count=0
missing=0
while IFS= read -r title; do
    count=$((count + 1))
    case "$text" in
        *"$title"*) ;;
        *) echo "Titolo assente dalla guida: $title"; missing=1 ;;
    esac
done < "$titles"
if [ "$count" -eq 0 ]; then
    echo "Il programma non ha elencato alcun argomento"
    exit 1
fi
exit "$missing"
