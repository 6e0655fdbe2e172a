#!/bin/bash
# The benchmark table: the program's whole-process times on 100 000 hunters
# (about 509 MB, filled as a secretary fills them: bench/HunterData.h), each
# as a ratio to the floor measured in the same run, a plain read of the file
# in 1 MiB blocks matching two fields as bytes; the full list against
# sqlite3 printing the same lines sorted from a table, the export against
# sqlite3 writing the same columns as HTML; the first window against a bare
# Qt window. Every command writes its output to a file. Medians of RUNS runs
# (5 by default).
#   bench/table.sh BENCH_BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# SELVADORO_EXE measures another build of the program (an earlier one).
exe=${SELVADORO_EXE:-$build/Selvadoro/selvadoro}
runs=${RUNS:-5}
hunters=100000
work=$(mktemp -d "${TMPDIR:-/tmp}/selvadoro-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
data=$work/dati
mkdir -p "$data"

echo "Preparazione di $hunters schede..." >&2
read -r size surnameAt surnameCap nameAt nameCap < <("$build/bench/selvadoro_bench_data" "$data" $hunters)
mv "$data/anagrafica.tsv" "$data/righe.tsv" "$work/"
sqlite3 "$work/anagrafica.db" ".mode tabs" ".import $work/anagrafica.tsv t" ".import $work/righe.tsv righe"
archive=$data/Cacciatori.pro
cat "$archive" > /dev/null  # in the page cache, as for every run after the first

# The median of `runs` runs of the command, in seconds, each writing its
# output to the file $work/out (as a user sends a list to a file).
median() {
    local times=()
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s%N)
        "$@" > "$work/out" 2> /dev/null || true
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk -v n="$runs" 'NR == int((n + 1) / 2) { printf "%.3f", $1 / 1e6 }'
}

# Peak resident memory of one run, in MB (millions of bytes, as every size
# here).
peak() {
    /usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -1 | awk '{ printf "%.0f", $1 * 1024 / 1e6 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f×", a / b }'; }
row() { printf '| %s | %s | %s | %s |\n' "$@"; }

program=("$exe" --cartella "$data")

floor=$(median "$build/bench/selvadoro_bench_floor" "$archive" "$size" "$surnameAt" "$surnameCap" ross "$nameAt" "$nameCap" mar)
search=$(median "${program[@]}" cerca anagrafica Cognome=ross Nome=mar)
searchLines=$(wc -l < "$work/out")
summary=$(median "${program[@]}" riepilogo porto-scadenza --oggi 10/05/2024)
summaryLines=$(wc -l < "$work/out")
all=$(median "${program[@]}" cerca anagrafica)
allText=$(wc -c < "$work/out" | awk '{ printf "%.0f", $1 / 1e6 }')
allPeak=$(peak "${program[@]}" cerca anagrafica)
# The same lines, with their numbers, sorted by sqlite3 from a table of them.
sqliteLines=$(median sqlite3 -tabs "$work/anagrafica.db" "SELECT n, riga FROM righe ORDER BY riga COLLATE NOCASE, n;")
export=$(median "${program[@]}" esporta anagrafica --file "$work/export.xls")
exportSize=$(stat -c %s "$work/export.xls" | awk '{ printf "%.0f", $1 / 1e6 }')
# sqlite3 writes its HTML into a file, as the export does.
sqlite=$(median sh -c 'sqlite3 -html "$1" "SELECT * FROM t;" > "$2"' sh "$work/anagrafica.db" "$work/sqlite.html")
sqliteSize=$(stat -c %s "$work/sqlite.html" | awk '{ printf "%.0f", $1 / 1e6 }')

echo
echo "$hunters cacciatori ($(stat -c %s "$archive" | awk '{ printf "%.0f", $1 / 1e6 }') MB), mediana di $runs esecuzioni, processo intero"
echo
row "lavoro" "tempo" "rapporto" "obiettivo"
row "---" "---" "---" "---"
row "lettura in blocchi da 1 MiB, 2 campi confrontati" "$floor s" "1" ""
row "cerca anagrafica Cognome=ross Nome=mar" "$search s ($searchLines righe)" "$(ratio "$search" "$floor")" "≤ 1.5×"
row "riepilogo porto-scadenza" "$summary s ($summaryLines righe)" "$(ratio "$summary" "$floor")" "≤ 2×"
row "cerca anagrafica (tutte le righe)" "$all s, picco $allPeak MB" "$(ratio "$all" "$floor")" "≤ 2.5×"
row "  contro sqlite3 che ordina le stesse righe da una tabella" "$sqliteLines s" "$(ratio "$all" "$sqliteLines")" "< 1×"
row "  memoria per $allText MB di testo" "$allPeak MB" "$(ratio "$allPeak" "$allText")" "≤ 3× il testo"
row "esporta anagrafica ($exportSize MB)" "$export s" "$(ratio "$export" "$floor")" ""
row "  contro sqlite3 -html ($sqliteSize MB)" "$sqlite s" "$(ratio "$export" "$sqlite")" "≤ 1.5×"
# A backup of the hunters and a year of 400 000 deadlines, verification
# included, against Info-ZIP's zip of the same files at the same level.
"$build/bench/selvadoro_bench_deadline_year" "$data/2024.sca" 400000
backupRuns=${BACKUP_RUNS:-3}
backupMedian() { local saved=$runs; runs=$backupRuns; median "$@"; runs=$saved; }
backup=$(backupMedian "${program[@]}" backup --destinazione "$work/backup" --conserva 1)
zipped=$(backupMedian sh -c 'rm -f "$1" && cd "$2" && zip -q -6 -r "$1" Cacciatori.pro 2024.sca' sh "$work/zip.zip" "$data")
backupSize=$(du -cb "$data/Cacciatori.pro" "$data/2024.sca" | tail -1 | awk '{ printf "%.0f", $1 / 1e6 }')
row "backup di cacciatori e 400 000 scadenze ($backupSize MB), verificato" "$backup s" "$(ratio "$backup" "$zipped")" "≤ 1.5×"
row "  contro zip -6 -r degli stessi file" "$zipped s" "1" ""
if [ -x "$here/first_window.sh" ] && [ -n "$(command -v Xvfb)" ]; then
    read -r bare first < <("$here/first_window.sh" "$build" "$exe" "$data")
    row "prima finestra contro una QLabel" "$first s contro $bare s" "$(ratio "$first" "$bare")" "≤ 1.5×"
fi
