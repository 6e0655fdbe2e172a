// Damaged archives, made from valid ones by seeded mutations, fed to every
// reader of every archive: the lists, the summaries, the export, the
// printed sheet and the RTF document, and damaged password files to the
// password reader. Run under the sanitizers, a crash or an overflow fails
// the test; the invariants below hold whatever the bytes are. The number
// of mutations per archive is SELVADORO_FUZZ_RUNS (a few dozen by default,
// thousands in `make stress`); SELVADORO_FUZZ_SEED repeats a run. A
// mutation that breaks an invariant is written out (its path is printed)
// so that it can become a regression case in tests/fuzz/cases/.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "app/Archives.h"
#include "base/Paths.h"
#include "lists/RtfDocument.h"
#include "lists/Spreadsheet.h"
#include "records/RecordCodec.h"
#include "report/Report.h"
#include "shell/AccessPassword.h"

namespace {

int fuzzRuns() {
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue("SELVADORO_FUZZ_RUNS", &ok);
    return ok && runs > 0 ? runs : 40;
}

std::uint32_t fuzzSeed() {
    bool ok = false;
    const int start = qEnvironmentVariableIntValue("SELVADORO_FUZZ_SEED", &ok);
    return ok ? std::uint32_t(start) : 20261210u;
}

// Texts a card could hold, hostile ones among them.
const char* const kTexts[] = {
    "Rossi Mario",
    "S\xEC",
    "No",
    "07/03/2024",
    "12,50",
    "<img src=\"/tmp/x.png\">",
    "../../etc/passwd",
    "C:\\Windows\\win.ini",
    "\x1b[31mrosso\x1b[0m",
    "riga\r\nseconda",
    "",
    "   ",
    "\xE0\xE8\xE9\xEC\xF2\xF9 \x80",
    "999",
    "31/02/2024",
    "abc&def<ghi>",
};

// A valid archive of a few records of that layout.
QByteArray validArchive(const RecordLayout& layout, std::mt19937& random) {
    QByteArray file;
    const int records = 1 + int(random() % 5);
    for (int r = 0; r < records; ++r) {
        FieldValues values;
        for (std::size_t f = 0; f < layout.fields.size(); ++f) {
            values.append(QString::fromLatin1(kTexts[random() % std::size(kTexts)]));
        }
        file += codec::encode(layout, values);
    }
    return file;
}

// One seeded mutation: flipped bytes, length bytes of 255, a cut, stray
// bytes at the end, a run of zeros or of 0xFF, a repeated slice.
QByteArray mutate(QByteArray bytes, std::mt19937& random) {
    const int steps = 1 + int(random() % 4);
    for (int s = 0; s < steps && !bytes.isEmpty(); ++s) {
        const qsizetype at = qsizetype(random() % std::uint32_t(bytes.size()));
        switch (random() % 7) {
            case 0:
                for (int i = 0; i < 8; ++i) {
                    bytes[qsizetype(random() % std::uint32_t(bytes.size()))] = char(random());
                }
                break;
            case 1:
                bytes[at] = char(0xFF);
                break;
            case 2:
                bytes.truncate(at);
                break;
            case 3:
                bytes.append(QByteArray(1 + int(random() % 300), char(random())));
                break;
            case 4:
                bytes.replace(at, qMin<qsizetype>(64, bytes.size() - at), QByteArray(64, '\0'));
                break;
            case 5:
                bytes.replace(at, qMin<qsizetype>(64, bytes.size() - at),
                              QByteArray(64, char(0xFF)));
                break;
            default:
                bytes.insert(at, bytes.mid(at, 1 + int(random() % 200)));
                break;
        }
    }
    return bytes;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Writes a mutation that broke an invariant beside the test's folder.
void keep(const QString& name, const QByteArray& bytes) {
    const QString path = QDir::temp().filePath(QStringLiteral("selvadoro-fuzz-") + name);
    writeBytes(path, bytes);
    ADD_FAILURE() << "the input is kept in " << qPrintable(path);
}

// What every reader must do with any file of an archive: read each whole
// record and nothing else, and never crash.
void readEverything(const ArchiveDefinition& archive, const QString& path, const QByteArray& bytes,
                    const QString& caseName) {
    const RecordLayout& layout = *archive.layout;
    const qsizetype records = bytes.size() / layout.recordSize();
    bool broken = false;

    const QStringList noCriteria(archive.search->criteria.size());
    const ListResult all = archive.search->run(path, noCriteria);
    broken |= !all.ok || all.lines.size() != records;
    QStringList oneCriterion = noCriteria;
    oneCriterion[0] = QStringLiteral("ro");
    const ListResult some = archive.search->run(path, oneCriterion);
    broken |= !some.ok || some.lines.size() > records;

    for (const SummaryDefinition* summary : archive.summaries) {
        const ListResult listed = summary->build(path, QDate(2024, 3, 7));
        broken |= !listed.ok || listed.lines.size() > records;
    }

    QTemporaryDir out;
    qsizetype rows = -1;
    const bool exported = spreadsheet::exportArchive(layout, archive.exporter->columns, path,
                                                     out.filePath(QStringLiteral("x.xls")),
                                                     archive.exporter->sheetName, &rows);
    broken |= !exported || rows != records;

    for (qsizetype r = 0; r < records; ++r) {
        const FieldValues values =
            codec::decode(layout, bytes.mid(r * layout.recordSize(), layout.recordSize()));
        for (std::size_t f = 0; f < layout.fields.size(); ++f) {
            broken |= values.at(qsizetype(f)).size() > layout.fields[f].capacity + 1;
        }
        if (archive.sheet) {
            const report::PreparedReport prepared =
                report::prepare(archive.sheet(values, QDateTime(QDate(2024, 3, 7), QTime(10, 30))),
                                QDate(2024, 3, 7));
            broken |= prepared.pages.size() != 1;
        }
        if (archive.rtfCard) {
            const QByteArray document = rtf::build(*archive.rtfCard, [&](const QString& control) {
                return values.value(layout.indexOfControl(control));
            });
            broken |= !document.startsWith("{\\rtf1");
        }
    }
    if (broken) keep(caseName, bytes);
}

TEST(Fuzz, DamagedArchivesAreReadRecordByRecordByEveryReader) {
    std::mt19937 random(fuzzSeed());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    paths::setDataFolder(folder.path());
    const int runs = fuzzRuns();
    for (const ArchiveDefinition* archive : archives::all()) {
        const QString path = folder.filePath(QStringLiteral("fuzz.pro"));
        for (int run = 0; run < runs; ++run) {
            const QByteArray bytes = mutate(validArchive(*archive->layout, random), random);
            ASSERT_TRUE(writeBytes(path, bytes));
            readEverything(*archive, path, bytes,
                           QStringLiteral("%1-%2.bin").arg(QLatin1String(archive->name)).arg(run));
        }
    }
}

// The regression cases kept from earlier runs: every file in
// tests/fuzz/cases/ named "<archive>-....bin".
TEST(Fuzz, KeptCasesStayHarmless) {
    const QDir cases(QStringLiteral(SELVADORO_FUZZ_CASES));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    paths::setDataFolder(folder.path());
    for (const QString& name : cases.entryList({QStringLiteral("*.bin")}, QDir::Files)) {
        const ArchiveDefinition* archive = archives::named(name.section(u'-', 0, 0));
        ASSERT_NE(archive, nullptr) << qPrintable(name);
        QFile file(cases.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString path = folder.filePath(QStringLiteral("case.pro"));
        ASSERT_TRUE(writeBytes(path, bytes));
        readEverything(*archive, path, bytes, name);
    }
}

// Damaged password files give a password or nothing, never a crash.
TEST(Fuzz, DamagedPasswordFilesAreReadOrRefused) {
    std::mt19937 random(fuzzSeed() + 1);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("unins000.dll"));
    ASSERT_TRUE(accesspassword::writePasswordFile(path, QStringLiteral("primaveraprato")));
    QFile valid(path);
    ASSERT_TRUE(valid.open(QIODevice::ReadOnly));
    const QByteArray bytes = valid.readAll();
    valid.close();
    ASSERT_EQ(accesspassword::readPasswordFile(path),
              std::optional<QString>(QStringLiteral("primaveraprato")));
    for (int run = 0; run < fuzzRuns() * 10; ++run) {
        const QByteArray damaged = mutate(bytes, random);
        ASSERT_TRUE(writeBytes(path, damaged));
        const std::optional<QString> read = accesspassword::readPasswordFile(path);
        if (read && read->size() > damaged.size()) keep(QStringLiteral("password.bin"), damaged);
    }
}

}  // namespace
