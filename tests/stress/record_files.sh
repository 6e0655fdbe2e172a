#!/bin/sh
# The record files' long reliability runs (`make stress`): a writer killed
# during its saves, and two stations on two mounts of one folder whose
# operating system locks do not reach each other; backups taken while a
# writer saves.
#   tests/stress/record_files.sh BUILD_DIR [KILLS] [SAVES]
set -u
build=$1
kills=${2:-500}
saves=${3:-1000}
tests="$build/tests/core_tests"
work="$build/stress"
status=0

run() {
    # run NAME ENV... : one test, timed, its summary line printed
    name=$1
    shift
    start=$(date +%s)
    if env "$@" QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter="$name" >"$work/$name.log" 2>&1; then
        result=ok
    else
        result=FALLITO
        status=1
    fi
    grep -E '^\[ (crash|stations) ' "$work/$name.log"
    echo "$name: $result in $(( $(date +%s) - start )) s (log: $work/$name.log)"
}

mkdir -p "$work"

run 'RecordFileCrashTest.*' SELVADORO_CRASH_KILLS="$kills"

# Two stations: one folder mounted twice with bindfs. Each mount keeps its
# own locks, as a network share that does not pass them on; the mounts
# cache no attributes, as a share mounted for several stations must not.
real="$work/cartella"
a="$work/stazione-a"
b="$work/stazione-b"
mkdir -p "$real" "$a" "$b"
mounted=""
if command -v bindfs >/dev/null 2>&1 &&
    bindfs -o attr_timeout=0,entry_timeout=0 "$real" "$a" 2>"$work/bindfs.log"; then
    mounted="$a"
    if bindfs -o attr_timeout=0,entry_timeout=0 "$real" "$b" 2>>"$work/bindfs.log"; then
        mounted="$a $b"
    fi
fi
if [ "$mounted" = "$a $b" ]; then
    echo "Due stazioni: due mount bindfs di $real"
    run 'RecordFileStationsTest.*' SELVADORO_STATION_FOLDERS="$a:$b" SELVADORO_STATION_SAVES="$saves"
else
    echo "FUSE non disponibile ($(cat "$work/bindfs.log" 2>/dev/null)):" \
        "una cartella, i blocchi del sistema operativo esclusi dai processi"
    run 'RecordFileStationsTest.*' SELVADORO_STATION_SAVES="$saves"
fi
# Backups taken while another process saves: whole records only.
run 'BackupTest.ABackupTakenWhileAnotherProcessSavesHoldsWholeRecords' SELVADORO_BACKUP_ROUNDS=100
for m in $mounted; do
    fusermount -u "$m" 2>/dev/null || umount "$m"
done
exit $status
