#!/bin/sh
# check_installed.sh PACKAGE.deb
# Installs the package on this machine with apt-get, uses the installed
# program as a user would (its usage text, a search and an export on a
# folder of one hunter, its data folder in the documents, the password file
# written there at the first start), then purges it and checks that none of
# its files is left. Run as root (make deb-test uses sudo).
set -eu
deb=$(realpath "$1")
scratch=$(mktemp -d)
export DEBIAN_FRONTEND=noninteractive

purge() {
    if dpkg-query -W -f='${Status}' selvadoro 2>/dev/null | grep -q installed; then
        apt-get purge -y -qq selvadoro > /dev/null
    fi
}
cleanup() {
    [ -z "${gui:-}" ] || kill "$gui" 2>/dev/null || true
    purge
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "deb-test: $*"
    exit 1
}

purge
echo "== apt-get install $deb"
(cd "$(dirname "$deb")" && apt-get install -y -qq "./$(basename "$deb")") > "$scratch/apt.log" 2>&1 || {
    cat "$scratch/apt.log"
    fail "installazione non riuscita"
}
dpkg-query -L selvadoro > "$scratch/files"
program=$(command -v selvadoro) || fail "selvadoro non è nel PATH"
[ "$program" = /usr/bin/selvadoro ] || fail "selvadoro è in $program"

# Every run as a user with a home of its own and no display.
mkdir -p "$scratch/home"
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_DOCUMENTS_DIR \
        -u SELVADORO_CARTELLA HOME="$scratch/home" "$@"
}

echo "== selvadoro --help"
run selvadoro --help > "$scratch/out" || fail "--help non riuscito"
grep -q '^Uso: selvadoro' "$scratch/out" || fail "--help non stampa l'uso"
run selvadoro aiuto | cmp -s - "$scratch/out" || fail "aiuto e --help non stampano lo stesso testo"
echo "== selvadoro --version"
run selvadoro --version | tee "$scratch/out"
version=$(dpkg-query -W -f='${Version}' selvadoro)
grep -q "$version" "$scratch/out" || fail "--version non dice $version"

# A search and an export on a folder with one hunter (his surname in the
# first field, every other byte zero).
echo "== selvadoro --cartella DIR cerca / esporta anagrafica"
data="$scratch/dati condivisi"
mkdir -p "$data"
{ printf '\005Rossi'; head -c $((5090 - 6)) /dev/zero; } > "$data/Cacciatori.pro"
run selvadoro --cartella "$data" cerca anagrafica Cognome=ross > "$scratch/out" ||
    fail "cerca non riuscito"
grep -q Rossi "$scratch/out" || fail "cerca non elenca Rossi"
run selvadoro --cartella "$data" esporta anagrafica > "$scratch/out" || fail "esporta non riuscito"
grep -q Rossi "$data/Anagrafica_Cacciatori.xls" || fail "l'esportazione non contiene Rossi"

# Without a folder named, the installed program's data are in the user's
# documents: the commands look there (and create nothing)...
echo "== cartella dei dati predefinita"
documents="$scratch/home/Documents/Selvadoro"
if run selvadoro cerca anagrafica > "$scratch/out" 2>&1; then fail "cerca senza archivio riuscito"; fi
grep -qF "$documents/Cacciatori.pro" "$scratch/out" || {
    cat "$scratch/out"
    fail "la cartella dei dati non è $documents"
}
[ ! -e "$documents" ] || fail "un comando ha creato $documents"
# ...and the first start of the windows creates the folder with the password
# file of the first access.
env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_DOCUMENTS_DIR -u SELVADORO_CARTELLA \
    HOME="$scratch/home" QT_QPA_PLATFORM=offscreen selvadoro > "$scratch/gui.log" 2>&1 &
gui=$!
waited=0
while [ ! -s "$documents/unins000.dll" ] && [ $waited -lt 60 ]; do
    sleep 1
    waited=$((waited + 1))
done
kill "$gui" 2>/dev/null || true
wait "$gui" 2>/dev/null || true
gui=
[ -s "$documents/unins000.dll" ] || {
    cat "$scratch/gui.log"
    fail "il primo avvio non ha scritto $documents/unins000.dll"
}
run selvadoro password-iniziale "$scratch/iniziale.dll"
cmp -s "$documents/unins000.dll" "$scratch/iniziale.dll" ||
    fail "$documents/unins000.dll non ha la password di primo accesso"

# The sound module finds every library it links.
module=$(grep '/selvadoro/selvadoro_sound.so$' "$scratch/files") || fail "manca il modulo del suono"
if ldd "$module" | grep -q 'not found'; then
    ldd "$module"
    fail "al modulo del suono manca una libreria"
fi
# No password file under /usr.
if find /usr/bin "$(dirname "$module")" /usr/share/selvadoro -name unins000.dll | grep -q .; then
    fail "un file della password sotto /usr"
fi

echo "== apt-get purge selvadoro"
apt-get purge -y -qq selvadoro > /dev/null
left=0
while read -r path; do
    # The folders the package shares with others (/usr/bin, ...) stay.
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        echo "Rimasto: $path"
        left=1
    fi
done < "$scratch/files"
for folder in "$(dirname "$module")" /usr/share/selvadoro /usr/share/doc/selvadoro; do
    if [ -e "$folder" ]; then
        echo "Rimasto: $folder"
        left=1
    fi
done
if dpkg-query -W -f='${Status}' selvadoro 2>/dev/null | grep -qv 'not-installed'; then
    echo "dpkg conosce ancora selvadoro: $(dpkg-query -W -f='${Status}' selvadoro)"
    left=1
fi
[ $left -eq 0 ] || fail "la rimozione ha lasciato dei file"
echo "deb-test: installazione, uso e rimozione riusciti"
