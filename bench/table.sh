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
deadlines=400000
work=$(mktemp -d "${TMPDIR:-/tmp}/selvadoro-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
data=$work/dati
mkdir -p "$data"

echo "Preparazione di $hunters schede..." >&2
{
    read -r size surnameAt surnameCap nameAt nameCap
    read -r yearSize clientAt clientCap subjectAt subjectCap
} < <("$build/bench/selvadoro_bench_data" "$data" $hunters $deadlines)
mv "$data/anagrafica.tsv" "$data/righe.tsv" "$data/campi.tsv" "$data/importa.csv" "$work/"
sqlite3 "$work/anagrafica.db" ".mode tabs" ".import $work/anagrafica.tsv t" ".import $work/righe.tsv righe" \
    ".import $work/campi.tsv campi"
archive=$data/Cacciatori.pro
year=$data/2024.sca
cat "$archive" "$year" > /dev/null  # in the page cache, as for every run after the first

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
# The typed workbook against Python's xlsxwriter writing the same cells in
# constant memory; the complete CSV against sqlite3 -csv of the same fields.
xlsx=$(median "${program[@]}" esporta anagrafica --formato xlsx --file "$work/export.xlsx")
xlsxSize=$(stat -c %s "$work/export.xlsx" | awk '{ printf "%.0f", $1 / 1e6 }')
pythonXlsx=$(median /usr/bin/python3 "$here/xlsx_python.py" "$work/anagrafica.tsv" "$work/python.xlsx")
csv=$(median "${program[@]}" esporta anagrafica --formato csv --file "$work/export.csv")
csvSize=$(stat -c %s "$work/export.csv" | awk '{ printf "%.0f", $1 / 1e6 }')
sqliteCsv=$(median sh -c 'sqlite3 -csv -separator ";" "$1" "SELECT * FROM campi;" > "$2"' sh "$work/anagrafica.db" "$work/sqlite.csv")
# The agenda of the hunters and a year of deadlines against the plain reads
# of the two files.
agenda=$(median "${program[@]}" agenda --oggi 10/05/2024)
yearFloor=$(median "$build/bench/selvadoro_bench_floor" "$year" "$yearSize" "$clientAt" "$clientCap" rossi "$subjectAt" "$subjectCap" rinnovo)
floors=$(awk -v a="$floor" -v b="$yearFloor" 'BEGIN { printf "%.3f", a + b }')
# The import of every card field of the same hunters from a CSV file into an
# empty folder, against sqlite3 importing the same file into a new table.
imported=$work/importati
importTime=$(median sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/importa.csv")
importRows=$(($(stat -c %s "$imported/Cacciatori.pro") / size))
# (status 1 when a few generated hunters share a codice fiscale: skipped)
importPeak=$(peak sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/importa.csv" || true)
importSize=$(stat -c %s "$work/importa.csv" | awk '{ printf "%.0f", $1 / 1e6 }')
sqliteImport=$(median sh -c 'rm -f "$1" && sqlite3 "$1" ".import --csv $2 t"' sh "$work/importa.db" "$work/importa.csv")
# The same rows from a workbook as LibreOffice saves the CSV file (its typed
# cells: dates, numbers), in one run with the CSV import; and a tenth of
# them, for the memory as the file grows.
toXlsx() {
    HOME="$work/lo" soffice --headless --infilter="CSV:59,34,76,1,,1040" --convert-to xlsx \
        --outdir "$work" "$1" > /dev/null 2>&1
}
head -n $((hunters / 10 + 1)) "$work/importa.csv" > "$work/decimo.csv"
toXlsx "$work/importa.csv"
toXlsx "$work/decimo.csv"
importXlsx=$(median sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/importa.xlsx")
importXlsxRows=$(($(stat -c %s "$imported/Cacciatori.pro") / size))
importXlsxPeak=$(peak sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/importa.xlsx" || true)
tenthXlsxPeak=$(peak sh -c 'rm -rf "$1" && mkdir "$1" && "$2" --cartella "$1" importa anagrafica --file "$3"' sh "$imported" "$exe" "$work/decimo.xlsx" || true)
xlsxImportSize=$(stat -c %s "$work/importa.xlsx" | awk '{ printf "%.0f", $1 / 1e6 }')

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
row "esporta anagrafica --formato xlsx ($xlsxSize MB)" "$xlsx s" "$(ratio "$xlsx" "$floor")" ""
row "  contro xlsxwriter di Python, stesse celle" "$pythonXlsx s" "$(ratio "$xlsx" "$pythonXlsx")" "≤ 0.5×"
row "esporta anagrafica --formato csv ($csvSize MB, tutti i campi)" "$csv s" "$(ratio "$csv" "$floor")" ""
row "  contro sqlite3 -csv degli stessi campi" "$sqliteCsv s" "$(ratio "$csv" "$sqliteCsv")" "≤ 1.5×"
row "agenda ($hunters cacciatori e $deadlines scadenze)" "$agenda s" "$(ratio "$agenda" "$floors")" "≤ 1.5× le due letture"
row "  lettura dei due file in blocchi da 1 MiB" "$floor s + $yearFloor s" "1" ""
row "importa anagrafica da CSV ($importSize MB, $importRows schede)" "$importTime s, picco $importPeak MB" "$(ratio "$importTime" "$floor")" ""
row "  contro sqlite3 .import --csv dello stesso file" "$sqliteImport s" "$(ratio "$importTime" "$sqliteImport")" "≤ 2×"
row "importa anagrafica da .xlsx di LibreOffice ($xlsxImportSize MB, $importXlsxRows schede)" "$importXlsx s, picco $importXlsxPeak MB" "$(ratio "$importXlsx" "$floor")" ""
row "  contro la stessa importazione da CSV" "$importTime s" "$(ratio "$importXlsx" "$importTime")" "≤ 2×"
row "  picco con un decimo delle righe" "$tenthXlsxPeak MB" "$(ratio "$importXlsxPeak" "$tenthXlsxPeak")" "memoria che non cresce con il file"
# A backup of the hunters and the year of deadlines, verification
# included, against Info-ZIP's zip of the same files at the same level.
backupRuns=${BACKUP_RUNS:-3}
backupMedian() { local saved=$runs; runs=$backupRuns; median "$@"; runs=$saved; }
backup=$(backupMedian "${program[@]}" backup --destinazione "$work/backup" --conserva 1)
zipped=$(backupMedian sh -c 'rm -f "$1" && cd "$2" && zip -q -6 -r "$1" Cacciatori.pro 2024.sca' sh "$work/zip.zip" "$data")
backupSize=$(du -cb "$data/Cacciatori.pro" "$data/2024.sca" | tail -1 | awk '{ printf "%.0f", $1 / 1e6 }')
row "backup di cacciatori e $deadlines scadenze ($backupSize MB), verificato" "$backup s" "$(ratio "$backup" "$zipped")" "≤ 1.5×"
row "  contro zip -6 -r degli stessi file" "$zipped s" "1" ""
if [ -x "$here/first_window.sh" ] && [ -n "$(command -v Xvfb)" ]; then
    read -r bare first < <("$here/first_window.sh" "$build" "$exe" "$data")
    row "prima finestra contro una QLabel" "$first s contro $bare s" "$(ratio "$first" "$bare")" "≤ 1.5×"
    # The same without the "Da fare" panel, which reads after the window shows.
    printf '[avvio]\nmostraDaFare=false\n' > "$data/Selvadoro.ini"
    read -r bare hidden < <("$here/first_window.sh" "$build" "$exe" "$data")
    rm -f "$data/Selvadoro.ini"
    row "  senza il riquadro Da fare" "$hidden s contro $bare s" "$(ratio "$hidden" "$bare")" ""
fi
