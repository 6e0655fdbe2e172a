// Saves records into one record file as fast as it can, so that a test can
// run several of these at once against the same file, or kill one in the
// middle of a save.
//   record_append_worker PATH RECORD_SIZE WORKER_ID COUNT
// Appends COUNT records, each filled with the text "<worker>:<sequence>;"
// repeated.
//   record_append_worker PATH RECORD_SIZE WORKER_ID COUNT mixed [OPTIONS]
// Makes COUNT saves (0: until killed), each an append of a new record or,
// as a user editing a card would, an overwrite of a record read under the
// same lock. A record is "<origin>:<sequence>:<version>;" repeated: an
// append writes "<worker>:<sequence>:0;", an overwrite raises the version
// of the record it read. Prints "ready" after the first save and, at the
// end, "appends A overwrites O". Options:
//   no-os-locks   leaves out the operating system's lock, as on a share
//                 that does not pass locks on: only the lock file excludes
//   keep=N        appends only while the file has fewer than N records
//   blind         the only writer: reads the records once at the start and
//                 overwrites without reading them again, so that most of
//                 its time goes into writing
//   wait=MS       how long to wait for another station (default 15 s)
//   pause=MS      rests between two saves, as a person between two clicks,
//                 so that a reader of the whole file (a backup) gets its turn
//   record_append_worker PATH RECORD_SIZE hold
// Takes the writing lock, prints "locked" and waits to be killed.
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "records/RecordFile.h"

namespace {

QByteArray filled(const QByteArray& unit, qsizetype size) {
    return unit.repeated(size / unit.size() + 1).left(size);
}

// The unit a whole record repeats, or nothing for a torn record.
std::optional<QByteArray> unitOf(const QByteArray& record) {
    const qsizetype end = record.indexOf(';');
    if (end < 0) return std::nullopt;
    const QByteArray unit = record.left(end + 1);
    if (filled(unit, record.size()) != record) return std::nullopt;
    return unit;
}

int fail(const RecordFile& file) {
    std::fprintf(stderr, "%s\n", qPrintable(file.errorString()));
    return 1;
}

int appendOnly(const QString& path, qsizetype size, const QByteArray& worker, int count) {
    for (int i = 0; i < count; ++i) {
        RecordFile file(path, size);
        const QByteArray record = filled(worker + ':' + QByteArray::number(i) + ';', size);
        if (!file.open(RecordFile::Access::Write) || file.append(record) == 0) return fail(file);
        file.close();
    }
    return 0;
}

int mixed(const QString& path, qsizetype size, const QByteArray& worker, int count,
          const QList<QByteArray>& options) {
    qsizetype keep = 0;
    bool blind = false;
    int pause = 0;
    for (const QByteArray& option : options) {
        if (option == "blind") {
            blind = true;
        } else if (option == "no-os-locks") {
            RecordFile::setOsLocks(false);
        } else if (option.startsWith("keep=")) {
            keep = option.mid(5).toLongLong();
        } else if (option.startsWith("pause=")) {
            pause = option.mid(6).toInt();
        } else if (option.startsWith("wait=")) {
            RecordFile::setWaitLimit(std::chrono::milliseconds(option.mid(5).toLongLong()));
        } else {
            std::fprintf(stderr, "unknown option %s\n", option.constData());
            return 2;
        }
    }
    QRandomGenerator random(QRandomGenerator::system()->generate());
    // What a blind writer knows of the records: their units.
    QList<QByteArray> known;
    if (blind) {
        RecordFile file(path, size);
        if (!file.open(RecordFile::Access::Read)) return fail(file);
        for (qsizetype i = 0; i < file.count(); ++i) {
            QByteArray record;
            if (!file.readAt(i, &record)) return fail(file);
            const auto unit = unitOf(record);
            if (!unit) {
                std::fprintf(stderr, "record %lld is torn\n", static_cast<long long>(i + 1));
                return 3;
            }
            known.append(*unit);
        }
    }
    int appends = 0;
    int overwrites = 0;
    // One save: an append of a new record (index -1) or an overwrite.
    struct Save {
        qsizetype index = -1;
        QByteArray unit;
    };
    // Chooses the save, given the record count and a way to read a record's
    // unit; nothing when a record read is torn.
    const auto plan = [&](qsizetype records, const auto& unitAt) -> std::optional<Save> {
        const bool append = records == 0 || ((keep == 0 || records < keep) && random.bounded(2));
        if (append) return Save{-1, worker + ':' + QByteArray::number(appends) + ":0;"};
        const qsizetype index = random.bounded(int(records));
        const std::optional<QByteArray> unit = unitAt(index);
        const qsizetype colon = unit ? unit->lastIndexOf(':') : -1;
        if (colon < 0) {
            std::fprintf(stderr, "record %lld is torn\n", static_cast<long long>(index + 1));
            return std::nullopt;
        }
        const int version = unit->mid(colon + 1).chopped(1).toInt();
        return Save{index, unit->left(colon + 1) + QByteArray::number(version + 1) + ';'};
    };
    for (int i = 0; count == 0 || i < count; ++i) {
        // A blind writer prepares its record before it takes the locks, so
        // that its save is little more than the write.
        std::optional<Save> save;
        QByteArray record;
        if (blind) {
            save = plan(known.size(), [&](qsizetype index) { return std::optional(known[index]); });
            if (!save) return 3;
            record = filled(save->unit, size);
        }
        RecordFile file(path, size);
        if (!file.open(RecordFile::Access::Write)) return fail(file);
        if (!blind) {
            save = plan(file.count(), [&](qsizetype index) -> std::optional<QByteArray> {
                QByteArray stored;
                if (!file.readAt(index, &stored)) std::exit(fail(file));
                return unitOf(stored);
            });
            if (!save) return 3;
            record = filled(save->unit, size);
        }
        if (save->index < 0) {
            if (file.append(record) == 0) return fail(file);
            if (blind) known.append(save->unit);
            ++appends;
        } else {
            if (!file.writeAt(save->index, record)) return fail(file);
            if (blind) known[save->index] = save->unit;
            ++overwrites;
        }
        file.close();
        if (i == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
        if (pause > 0) QThread::msleep(pause);
    }
    std::printf("appends %d overwrites %d\n", appends, overwrites);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[3]) == "hold") {
        RecordFile file(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]).toLongLong());
        if (!file.open(RecordFile::Access::Write)) return fail(file);
        std::printf("locked\n");
        std::fflush(stdout);
        for (;;) QThread::sleep(1);
    }
    if (argc < 5 || (argc > 5 && QByteArray(argv[5]) != "mixed")) {
        std::fprintf(stderr,
                     "usage: record_append_worker PATH RECORD_SIZE WORKER_ID COUNT "
                     "[mixed [no-os-locks] [keep=N] [wait=MS]]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qsizetype size = QByteArray(argv[2]).toLongLong();
    const QByteArray worker(argv[3]);
    const int count = QByteArray(argv[4]).toInt();
    if (argc == 5) return appendOnly(path, size, worker, count);
    QList<QByteArray> options;
    for (int i = 6; i < argc; ++i) options.append(argv[i]);
    return mixed(path, size, worker, count, options);
}
