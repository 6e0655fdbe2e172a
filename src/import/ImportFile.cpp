#include "import/ImportFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include "base/Cp1252.h"
#include "base/FileErrors.h"
#include "import/CsvReader.h"

namespace importfile {
namespace {

constexpr qint64 kBlock = qint64(1) << 20;

QString lineText(qint64 line) {
    return QStringLiteral("riga %1: ").arg(line);
}

Table failed(Table table, qint64 line, const QString& message) {
    table.ok = false;
    table.errorLine = line;
    table.error = line > 0 ? lineText(line) + message : message;
    return table;
}

// A table read to its end: refused when it has a header and no row.
Table finished(Table table) {
    if (table.rows.isEmpty()) {
        return failed(std::move(table), 1,
                      QStringLiteral("il file contiene solo l'intestazione, nessuna riga da "
                                     "importare."));
    }
    table.ok = true;
    return table;
}

QString deviceError(const QIODevice& device) {
    if (const auto* file = qobject_cast<const QFileDevice*>(&device)) return fileerror::of(*file);
    return fileerror::italian(device.errorString());
}

QString megabytes(qint64 bytes) {
    return QString::number(bytes >> 20);
}

// What the first pass over the file finds.
struct Survey {
    qint64 size = 0;
    bool validUtf8 = true;
    bool spreadsheet = false;
    bool blank = true;  // nothing but blanks and a byte order mark
};

bool startsSpreadsheet(QByteArrayView start) {
    const QByteArray head =
        start.first(qMin<qsizetype>(start.size(), 512)).toByteArray().trimmed().toLower();
    return head.startsWith("<html") || head.startsWith("<!doctype html") ||
           head.startsWith("<table");
}

QString decodeCell(const QByteArray& bytes, Encoding encoding) {
    return encoding == Encoding::Cp1252 ? cp1252::decode(bytes) : QString::fromUtf8(bytes);
}

// The entities of a cell of the program's export, and those any other
// writer of HTML tables may use.
QString unescaped(QString text) {
    static const QRegularExpression breaks(QStringLiteral("<br\\s*/?>"),
                                           QRegularExpression::CaseInsensitiveOption);
    text.replace(breaks, QStringLiteral("\r\n"));
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    text.remove(tags);
    if (!text.contains(u'&')) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'&') {
            out.append(text.at(i));
            continue;
        }
        const qsizetype end = text.indexOf(u';', i);
        if (end < 0 || end - i > 10) {
            out.append(text.at(i));
            continue;
        }
        const QStringView name = QStringView(text).sliced(i + 1, end - i - 1);
        char32_t c = 0;
        if (name == u"amp")
            c = u'&';
        else if (name == u"lt")
            c = u'<';
        else if (name == u"gt")
            c = u'>';
        else if (name == u"quot")
            c = u'"';
        else if (name == u"apos")
            c = u'\'';
        else if (name == u"nbsp")
            c = 0xA0;
        else if (name.startsWith(u"#x") || name.startsWith(u"#X"))
            c = name.sliced(2).toUInt(nullptr, 16);
        else if (name.startsWith(u'#'))
            c = name.sliced(1).toUInt();
        if (c == 0) {
            out.append(text.at(i));
            continue;
        }
        out.append(QString::fromUcs4(&c, 1));
        i = end;
    }
    return out;
}

Table readSpreadsheet(QIODevice& device, const ReadOptions& options, Table table) {
    const QByteArray bytes = device.readAll();
    if (device.isOpen() && bytes.isEmpty() && !device.errorString().isEmpty() &&
        device.bytesAvailable() > 0) {
        return failed(std::move(table), 0, deviceError(device));
    }
    Encoding encoding = options.encoding;
    if (encoding == Encoding::Detect) {
        encoding = bytes.left(4096).toLower().contains("charset=utf-8") ? Encoding::Utf8
                                                                        : Encoding::Cp1252;
    }
    table.encoding = encoding;
    table.spreadsheet = true;
    const QString text = decodeCell(bytes, encoding);
    static const QRegularExpression rowPattern(
        QStringLiteral("<tr[^>]*>(.*?)</tr>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cellPattern(
        QStringLiteral("<t[dh][^>]*>(.*?)</t[dh]>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    qint64 line = 0;
    for (auto rows = rowPattern.globalMatch(text); rows.hasNext();) {
        const QString inner = rows.next().captured(1);
        QStringList cells;
        for (auto found = cellPattern.globalMatch(inner); found.hasNext();) {
            cells.append(unescaped(found.next().captured(1)));
        }
        ++line;
        if (line == 1) {
            table.header = cells;
            continue;
        }
        if (cells.size() > table.header.size()) {
            return failed(std::move(table), line,
                          QStringLiteral("la riga ha %1 celle, più delle %2 dell'intestazione.")
                              .arg(cells.size())
                              .arg(table.header.size()));
        }
        while (cells.size() < table.header.size()) cells.append(QString());
        table.rows.append(Row{line, cells});
    }
    if (line == 0) {
        return failed(std::move(table), 0,
                      QStringLiteral("Il file non contiene una tabella da importare."));
    }
    return finished(std::move(table));
}

}  // namespace

QString encodingName(Encoding encoding) {
    return encoding == Encoding::Cp1252 ? QStringLiteral("cp1252") : QStringLiteral("utf-8");
}

Table read(const DeviceFactory& open, const QString& name, const ReadOptions& options,
           const ScanProgress& progress) {
    Table table;
    // First pass: the size, binary bytes, endless lines, whether the text
    // is UTF-8, whether it is the program's spreadsheet.
    Survey survey;
    {
        std::unique_ptr<QIODevice> device = open();
        if (!device || !device->isOpen()) {
            return failed(std::move(table), 0,
                          QStringLiteral("Impossibile aprire il file %1: %2")
                              .arg(name, device ? deviceError(*device)
                                                : fileerror::text(fileerror::Cause::OpenFailed)));
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        qint64 line = 1;
        qint64 lineLength = 0;
        qint64 total = device->size();
        for (;;) {
            const QByteArray block = device->read(kBlock);
            if (block.isEmpty()) {
                if (device->atEnd() && (total <= 0 || survey.size >= total)) break;
                return failed(std::move(table), line,
                              QStringLiteral("il file %1 non si può più leggere: %2")
                                  .arg(name, deviceError(*device)));
            }
            if (survey.size == 0) survey.spreadsheet = startsSpreadsheet(block);
            survey.size += block.size();
            if (survey.validUtf8) {
                const QString decoded = utf8.decode(block);
                if (utf8.hasError()) survey.validUtf8 = false;
            }
            for (const char c : block) {
                if (c == '\0') {
                    return failed(std::move(table), line,
                                  QStringLiteral("il file %1 non è un file di testo (contiene "
                                                 "dati binari).")
                                      .arg(name));
                }
                if (survey.blank && !(c == ' ' || c == '\t' || c == '\r' || c == '\n' ||
                                      c == '\xEF' || c == '\xBB' || c == '\xBF')) {
                    survey.blank = false;
                }
                if (c == '\n') {
                    ++line;
                    lineLength = 0;
                } else if (++lineLength > options.longestRow && !survey.spreadsheet) {
                    return failed(std::move(table), line,
                                  QStringLiteral("la riga è più lunga di %1 MB: il file non è "
                                                 "un elenco da importare.")
                                      .arg(megabytes(options.longestRow)));
                }
            }
            if (progress && !progress(survey.size, qMax(total, survey.size) * 2)) {
                table.cancelled = true;
                return table;
            }
        }
        if (survey.validUtf8) {
            const QString rest = utf8.decode(QByteArrayView());
            if (utf8.hasError() || !rest.isEmpty()) survey.validUtf8 = false;
        }
    }
    if (survey.blank) {
        return failed(std::move(table), 0, QStringLiteral("Il file %1 è vuoto.").arg(name));
    }
    std::unique_ptr<QIODevice> device = open();
    if (!device || !device->isOpen()) {
        return failed(std::move(table), 0,
                      QStringLiteral("il file %1 non si può più leggere: %2")
                          .arg(name, device ? deviceError(*device)
                                            : fileerror::text(fileerror::Cause::Missing)));
    }
    if (survey.spreadsheet) return readSpreadsheet(*device, options, std::move(table));

    table.encoding = options.encoding != Encoding::Detect ? options.encoding
                     : survey.validUtf8                   ? Encoding::Utf8
                                                          : Encoding::Cp1252;
    table.separator = options.separator;
    QString error;
    qint64 errorLine = 0;
    qint64 rowBytes = 0;
    bool first = true;
    CsvReader* parser = nullptr;
    const auto sink = [&](qint64 line, QList<QByteArray>& cells) {
        rowBytes = 0;
        QStringList texts;
        texts.reserve(cells.size());
        bool empty = true;
        for (const QByteArray& cell : cells) {
            texts.append(decodeCell(cell, table.encoding));
            if (!cell.isEmpty()) empty = false;
        }
        if (first) {
            first = false;
            table.header = texts;
            return true;
        }
        if (empty) return true;
        if (texts.size() > table.header.size()) {
            error = QStringLiteral("la riga ha %1 celle, più delle %2 dell'intestazione.")
                        .arg(texts.size())
                        .arg(table.header.size());
            errorLine = line;
            return false;
        }
        while (texts.size() < table.header.size()) texts.append(QString());
        table.rows.append(Row{line, std::move(texts)});
        return true;
    };
    std::unique_ptr<CsvReader> reader;
    QByteArray pending;
    qint64 line = 0;
    qint64 done = 0;
    const auto feedLine = [&](QByteArrayView bytes) {
        ++line;
        if (line == 1 && bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
        if (!reader) {
            if (table.separator == 0) table.separator = csvtext::detectSeparator(bytes);
            reader = std::make_unique<CsvReader>(table.separator, sink);
            parser = reader.get();
        }
        rowBytes += bytes.size();
        if (rowBytes > options.longestRow) {
            errorLine = parser->openRowLine() ? parser->openRowLine() : line;
            error = QStringLiteral(
                        "la riga è più lunga di %1 MB: il file non è un elenco da "
                        "importare.")
                        .arg(megabytes(options.longestRow));
            return false;
        }
        if (!parser->feed(bytes, line)) {
            if (error.isEmpty()) {
                errorLine = line;
                error = QStringLiteral(
                    "virgolette non bilanciate: una cella tra virgolette "
                    "deve chiudersi con le virgolette seguite dal separatore "
                    "o dalla fine della riga.");
            }
            return false;
        }
        return true;
    };
    const qint64 total = qMax<qint64>(survey.size, 1);
    for (;;) {
        const QByteArray block = device->read(kBlock);
        if (block.isEmpty()) {
            if (done >= survey.size) break;
            return failed(std::move(table), line + 1,
                          QStringLiteral("il file %1 non si può più leggere: %2")
                              .arg(name, device->atEnd() ? fileerror::text(fileerror::Cause::Shrunk)
                                                         : deviceError(*device)));
        }
        done += block.size();
        pending.append(block);
        qsizetype start = 0;
        for (qsizetype nl = pending.indexOf('\n'); nl >= 0; nl = pending.indexOf('\n', start)) {
            if (!feedLine(QByteArrayView(pending).sliced(start, nl + 1 - start))) {
                return failed(std::move(table), errorLine, error);
            }
            start = nl + 1;
        }
        pending.remove(0, start);
        if (progress && !progress(survey.size + done, total * 2)) {
            table.cancelled = true;
            return table;
        }
    }
    if (!pending.isEmpty() && !feedLine(pending)) return failed(std::move(table), errorLine, error);
    if (reader && !reader->finish()) {
        if (error.isEmpty()) {
            errorLine = reader->openRowLine() ? reader->openRowLine() : line;
            error = QStringLiteral(
                "virgolette non bilanciate: la cella tra virgolette aperta "
                "qui non si chiude fino alla fine del file.");
        }
        return failed(std::move(table), errorLine, error);
    }
    return finished(std::move(table));
}

Table read(const QString& path, const ReadOptions& options, const ScanProgress& progress) {
    return read(
        [&path]() -> std::unique_ptr<QIODevice> {
            auto file = std::make_unique<QFile>(path);
            (void)file->open(QIODevice::ReadOnly);
            return file;
        },
        path, options, progress);
}

}  // namespace importfile
