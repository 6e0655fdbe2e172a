#!/bin/sh
# check_layers.sh fails on what it is there to catch, each planted in a
# copy of src/: an include pointing up, a folder with no floor, an archive
# using another archive for more than a picker's search.
set -u
here=$(dirname "$0")
src=${1:?usage: check_layers_catches.sh SRC_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
expect_refused() {  # what, then the file to plant into and the line
    rm -rf "$work/src"
    cp -r "$src" "$work/src"
    mkdir -p "$work/src/$(dirname "$2")"
    echo "$3" >> "$work/src/$2"
    if out=$(sh "$here/check_layers.sh" "$work/src"); then
        echo "not caught: $1"
        status=1
    elif ! echo "$out" | grep -q "$(dirname "$2")"; then
        echo "caught, but the message does not name $(dirname "$2"): $out"
        status=1
    fi
}
expect_refused "records including a window" records/RecordFile.h '#include "windows/CardWindow.h"'
expect_refused "a capability including the windows above it" export/ExportFormats.cpp '#include "windows/ExportWindow.h"'
expect_refused "two capabilities using each other" import/Importer.cpp '#include "export/ExportFormats.h"'
expect_refused "a folder with no floor" nuova/Nuova.h '#include "base/Paths.h"'
expect_refused "an archive using another's card" teams/TeamCard.cpp '#include "hunters/HunterCard.h"'
# And the tree as it is passes.
sh "$here/check_layers.sh" "$src" || status=1
exit $status
