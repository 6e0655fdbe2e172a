#!/bin/sh
# check_install.sh CMAKE BUILD_DIR DEST [TONE]
# `cmake --install` lays out a complete portable folder in DEST (a path with
# a blank in it), and installing again keeps a password changed there. TONE,
# when given, names the alert tone the build made, which the folder holds too.
set -eu
cmake=$1
build=$2
dest=$3
tone=${4:-}

rm -rf "$dest"
"$cmake" --install "$build" --prefix "$dest" > /dev/null

for file in selvadoro selvadoro_sound.so unins000.dll Guida.pdf selvadoro.svg \
        selvadoro.desktop translations/qtbase_it.qm $tone; do
    if [ ! -s "$dest/$file" ]; then
        echo "Manca $file"
        exit 1
    fi
done
if [ ! -x "$dest/selvadoro" ]; then
    echo "Il programma non è eseguibile"
    exit 1
fi
grep -qx "Exec=\"$dest/selvadoro\"" "$dest/selvadoro.desktop" || {
    echo "Exec non punta al programma installato"
    exit 1
}
grep -qx "Icon=$dest/selvadoro.svg" "$dest/selvadoro.desktop" || {
    echo "Icon non punta all'icona installata"
    exit 1
}

# The installed program runs from its folder.
QT_QPA_PLATFORM=offscreen "$dest/selvadoro" guida --titoli | grep -q "Uno sguardo ad Selvadoro"

# A password changed in the folder survives a new installation.
printf '[Accesso]\r\nValore=E2\r\n' > "$dest/unins000.dll"
"$cmake" --install "$build" --prefix "$dest" > /dev/null
grep -q "Valore=E2" "$dest/unins000.dll" || {
    echo "La nuova installazione ha sostituito la password"
    exit 1
}
rm -rf "$dest"
