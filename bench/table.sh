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
mv "$data/anagrafica.tsv" "$data/righe.tsv" "$data/importa.csv" "$work/"
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
# The import of every card field of the same hunters from a CSV file into an
# empty folder, against sqlite3 importing the same file into a new table.
imported=$work/importati
importTime=$(median sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/importa.csv")
importRows=$(($(stat -c %s "$imported/Cacciatori.pro") / size))
# (status 1 when a few generated hunters share a codice fiscale: skipped)
importPeak=$(peak sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/importa.csv" || true)
importSize=$(stat -c %s "$work/importa.csv" | awk '{ printf "%.0f", $1 / 1e6 }')
sqliteImport=$(median sh -c 'rm -f "$1" && sqlite3 "$1" ".import --csv $2 t"' sh "$work/importa.db" "$work/importa.csv")

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
row "importa anagrafica da CSV ($importSize MB, $importRows schede)" "$importTime s, picco $importPeak MB" "$(ratio "$importTime" "$floor")" ""
row "  contro sqlite3 .import --csv dello stesso file" "$sqliteImport s" "$(ratio "$importTime" "$sqliteImport")" "≤ 2×"
if [ -x "$here/first_window.sh" ] && [ -n "$(command -v Xvfb)" ]; then
    read -r bare first < <("$here/first_window.sh" "$build" "$exe" "$data")
    row "prima finestra contro una QLabel" "$first s contro $bare s" "$(ratio "$first" "$bare")" "≤ 1.5×"
fi
