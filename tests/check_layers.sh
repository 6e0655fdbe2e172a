#!/bin/sh
# Keeps the floors of src/. Every folder has a floor of its own, in the
# order below, and includes only its own headers and those of the floors
# beneath it: no include points up, and no two folders use each other.
# An archive's folder includes another archive's only for the search that
# a picker of its cards opens (that archive's *Lists.h).
#
#   check_layers.sh SRC_DIR            checks, naming every include that points up
#   check_layers.sh --floors SRC_DIR   prints the floors, lowest first, with
#                                      the folders each one includes
FLOORS="
base
shell
checks
records
report
lists
agenda
backup
import
export
mailing
windows
hunters
teams
hunts
weapons
communications
deadlines
membership
app
"
# The archives' folders, for the rule of the pickers.
ARCHIVES="hunters teams hunts weapons communications deadlines membership"

print=0
if [ "$1" = "--floors" ]; then
    print=1
    shift
fi
src=${1:?usage: check_layers.sh [--floors] SRC_DIR}

floor() {
    n=0
    for f in $FLOORS; do
        [ "$f" = "$1" ] && { echo $n; return; }
        n=$((n + 1))
    done
    echo -1
}
is_archive() {
    for a in $ARCHIVES; do [ "$a" = "$1" ] && return 0; done
    return 1
}
includes_of() {
    (cd "$src/$1" && find . -name '*.h' -o -name '*.cpp') | sort | while read -r file; do
        sed -n 's|^#include "\([a-z]*\)/\([A-Za-z0-9_]*\.h\)"|\1/\2|p' "$src/$1/$file" |
            sed "s|^|$1/${file#./} |"
    done
}

if [ $print = 1 ]; then
    n=0
    for f in $FLOORS; do
        if [ -d "$src/$f" ]; then
            used=$(includes_of "$f" | awk '{print $2}' | cut -d/ -f1 | grep -vx "$f" | sort -u |
                tr '\n' ' ')
            lines=$(cat "$src/$f"/*.h "$src/$f"/*.cpp 2>/dev/null | wc -l)
            printf '%2d %-15s %6s righe  usa: %s\n' $n "$f" "$lines" "${used:--}"
        fi
        n=$((n + 1))
    done
    exit 0
fi

status=0
for dir in $(cd "$src" && find . -mindepth 1 -maxdepth 1 -type d | sed 's|^\./||' | sort); do
    case "$dir" in CMakeFiles | .*) continue ;; esac
    if [ "$(floor "$dir")" -lt 0 ]; then
        echo "$dir/ has no floor: add it to FLOORS in tests/check_layers.sh"
        status=1
        continue
    fi
done
for dir in $FLOORS; do
    [ -d "$src/$dir" ] || continue
    f=$(floor "$dir")
    includes_of "$dir" > "${TMPDIR:-/tmp}/layers.$$"
    while read -r file included; do
        to=${included%%/*}
        [ "$to" = "$dir" ] && continue
        t=$(floor "$to")
        if [ "$t" -lt 0 ]; then
            echo "$file includes $included: $to/ has no floor"
            status=1
        elif [ "$t" -gt "$f" ]; then
            echo "$file includes $included: $dir (floor $f) may not use $to (floor $t), above it"
            status=1
        elif is_archive "$dir" && is_archive "$to"; then
            case "$included" in
                *Lists.h) ;;
                *)
                    echo "$file includes $included: an archive uses another only for a picker's search (*Lists.h)"
                    status=1
                    ;;
            esac
        fi
    done < "${TMPDIR:-/tmp}/layers.$$"
    rm -f "${TMPDIR:-/tmp}/layers.$$"
done
exit $status
