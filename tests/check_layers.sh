#!/bin/sh
# Keeps the floors of src/: a folder includes only itself and the floors
# below it. Floors: base, then shell, then the generic pieces (archive,
# report, checks, agenda, backup, export, import, mailing, which may use each other), then the archives, then app.
# An archive includes another archive only for the search it links a
# picker to (that archive's *Lists.h).
src=${1:?usage: check_layers.sh SRC_DIR}
floor() {
    case "$1" in
        base) echo 0 ;;
        shell) echo 1 ;;
        archive | report | checks | agenda | backup | export | import | mailing) echo 2 ;;
        app) echo 4 ;;
        *) echo 3 ;;
    esac
}
status=0
for file in $(cd "$src" && find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort); do
    from=${file%%/*}
    [ "$from" = "$file" ] && continue
    for included in $(sed -n 's|^#include "\([a-z]*\)/\([A-Za-z0-9_]*\.h\)"|\1/\2|p' "$src/$file"); do
        to=${included%%/*}
        [ "$to" = "$from" ] && continue
        f=$(floor "$from")
        t=$(floor "$to")
        if [ "$t" -lt "$f" ]; then continue; fi
        if [ "$t" -eq 2 ] && [ "$f" -eq 2 ]; then continue; fi
        case "$included" in
            *Lists.h) [ "$t" -eq 3 ] && [ "$f" -eq 3 ] && continue ;;
        esac
        echo "$file includes $included: $from may not use $to"
        status=1
    done
done
exit $status
