#include "import/ImportFile.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "base/Cp1252.h"
#include "base/FileErrors.h"
#include "import/CsvReader.h"
#include "import/SheetFile.h"

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

// How many bytes of `text` end with a whole UTF-8 sequence: the bytes of
// a multibyte sequence cut at the end are left for the next block.
qsizetype wholeSequences(QByteArrayView text) {
    const qsizetype size = text.size();
    for (qsizetype p = size - 1; p >= 0 && p >= size - 4; --p) {
        const auto b = static_cast<unsigned char>(text.at(p));
        if ((b & 0xC0) == 0x80) continue;  // a continuation byte
        const qsizetype length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return p + length > size ? p : size;
    }
    return size;
}

bool startsSpreadsheet(QByteArrayView start) {
    const QByteArray head =
        start.first(qMin<qsizetype>(start.size(), 512)).toByteArray().trimmed().toLower();
    return head.startsWith("<html") || head.startsWith("<!doctype html") ||
           head.startsWith("<table");
}

QString decodeCell(QByteArrayView bytes, Encoding encoding) {
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

void RowBatch::cells(qsizetype row, QStringList* cells) const {
    const auto r = std::size_t(row);
    if (!decoded_.empty()) {
        *cells = decoded_[r];
        while (cells->size() < width_) cells->append(QString());
        return;
    }
    const qsizetype first = r == 0 ? 0 : rowEnds_[r - 1];
    const qsizetype end = rowEnds_[r];
    cells->resize(qMax(width_, end - first));
    qsizetype start = first == 0 ? 0 : cellEnds_[std::size_t(first - 1)];
    for (qsizetype c = first; c < end; ++c) {
        const qsizetype stop = cellEnds_[std::size_t(c)];
        (*cells)[c - first] =
            decodeCell(QByteArrayView(bytes_.data() + start, stop - start), encoding_);
        start = stop;
    }
    for (qsizetype c = end - first; c < cells->size(); ++c) (*cells)[c] = QString();
}

void RowBatch::clear() {
    lines_.clear();
    bytes_.clear();
    cellEnds_.clear();
    rowEnds_.clear();
    decoded_.clear();
}

void RowBatch::setShape(Encoding encoding, qsizetype width) {
    encoding_ = encoding;
    width_ = width;
}

void RowBatch::append(qint64 line, const QList<QByteArrayView>& cells) {
    lines_.push_back(line);
    for (const QByteArrayView cell : cells) {
        bytes_.append(cell.data(), std::size_t(cell.size()));
        cellEnds_.push_back(qsizetype(bytes_.size()));
    }
    rowEnds_.push_back(qsizetype(cellEnds_.size()));
}

void RowBatch::append(const Row& row) {
    lines_.push_back(row.line);
    decoded_.push_back(row.cells);
}

void RowBatch::append(const RowBatch& other, qsizetype first, qsizetype count) {
    encoding_ = other.encoding_;
    width_ = other.width_;
    if (count <= 0) return;
    const auto from = std::size_t(first);
    const auto to = std::size_t(first + count);
    lines_.insert(lines_.end(), other.lines_.begin() + from, other.lines_.begin() + to);
    if (!other.decoded_.empty()) {
        decoded_.insert(decoded_.end(), other.decoded_.begin() + from, other.decoded_.begin() + to);
        return;
    }
    const auto cellFrom = std::size_t(from == 0 ? 0 : other.rowEnds_[from - 1]);
    const auto cellTo = std::size_t(other.rowEnds_[to - 1]);
    const qsizetype byteFrom = cellFrom == 0 ? 0 : other.cellEnds_[cellFrom - 1];
    const qsizetype byteTo = cellTo == 0 ? 0 : other.cellEnds_[cellTo - 1];
    const qsizetype byteShift = qsizetype(bytes_.size()) - byteFrom;
    const qsizetype cellShift = qsizetype(cellEnds_.size()) - qsizetype(cellFrom);
    bytes_.append(other.bytes_, std::size_t(byteFrom), std::size_t(byteTo - byteFrom));
    for (std::size_t c = cellFrom; c < cellTo; ++c) {
        cellEnds_.push_back(other.cellEnds_[c] + byteShift);
    }
    for (std::size_t r = from; r < to; ++r) rowEnds_.push_back(other.rowEnds_[r] + cellShift);
}

bool TableRows::nextBatch(RowBatch* batch) {
    batch->clear();
    batch->setShape(Encoding::Utf8, table_.header.size());
    for (; next_ < table_.rows.size() && batch->size() < kBatchRows; ++next_) {
        batch->append(table_.rows.at(next_));
    }
    return !batch->isEmpty();
}

struct Reader::State {
    DeviceFactory open;
    QString name;
    ReadOptions options;
    ScanProgress progress;
    // The header, what was found, the error; its rows are not used.
    Table table;
    Survey found;
    std::unique_ptr<QIODevice> device;
    std::unique_ptr<CsvReader> parser;
    // A workbook's sheet (.xlsx, .ods, .xls), read instead of a text.
    std::unique_ptr<sheetfile::Sheet> sheet;
    QByteArray pending;
    qint64 line = 0;      // the last physical line fed
    qint64 parsed = 0;    // bytes of the second pass read
    qint64 rowBytes = 0;  // bytes of the row being read
    bool headerRead = false;
    qint64 headerLine = 1;
    bool ended = false;
    bool stopped = false;
    // The rows of the block read last, and the first not yet handed out.
    RowBatch queue;
    qsizetype front = 0;
    // The error the parser's sink found.
    QString sinkError;
    qint64 sinkErrorLine = 0;

    bool fail(qint64 at, const QString& message) {
        table = failed(std::move(table), at, message);
        stopped = true;
        queue.clear();
        front = 0;
        return false;
    }
    bool cancel() {
        table.cancelled = true;
        stopped = true;
        queue.clear();
        front = 0;
        return false;
    }
    bool queued() const { return front < queue.size(); }
    // Fills the queue with the rows of the next blocks; false when none
    // is left.
    bool refill() {
        while (!queued() && !ended && !stopped) {
            if (!fill()) return false;
        }
        return !stopped && queued();
    }
    bool survey();
    bool startSheet(sheetfile::Kind kind);
    // Refuses a header that is a row of values.
    bool headerless();
    bool fillSheet();
    bool acceptRow(qint64 at, const QList<QByteArrayView>& cells);
    bool feedLine(QByteArrayView bytes);
    bool fill();
};

// First pass: the size, binary bytes, endless lines, whether the text is
// UTF-8, whether it is the program's spreadsheet.
bool Reader::State::survey() {
    device = open();
    if (!device || !device->isOpen()) {
        return fail(0, QStringLiteral("Impossibile aprire il file %1: %2")
                           .arg(name, device ? deviceError(*device)
                                             : fileerror::text(fileerror::Cause::OpenFailed)));
    }
    qint64 at = 1;
    qint64 lineLength = 0;
    const qint64 total = device->size();
    // Each block is read into the same buffer, after the bytes of a UTF-8
    // sequence the block before cut (at most three), so that the text is
    // checked as UTF-8 without being decoded.
    QByteArray buffer;
    qsizetype carried = 0;
    for (;;) {
        buffer.resize(carried + kBlock);
        const qint64 got = device->read(buffer.data() + carried, kBlock);
        if (got <= 0) {
            if (device->atEnd() && (total <= 0 || found.size >= total)) break;
            return fail(at, QStringLiteral("il file %1 non si può più leggere: %2")
                                .arg(name, deviceError(*device)));
        }
        buffer.resize(carried + got);
        const QByteArrayView block = QByteArrayView(buffer).sliced(carried);
        if (found.size == 0) found.spreadsheet = startsSpreadsheet(block);
        found.size += block.size();
        if (found.validUtf8) {
            const QByteArrayView text(buffer);
            const qsizetype whole = wholeSequences(text);
            carried = 0;
            if (!text.first(whole).isValidUtf8()) {
                found.validUtf8 = false;
            } else {
                carried = text.size() - whole;
                std::memmove(buffer.data(), buffer.constData() + whole, std::size_t(carried));
            }
        }
        // A line at a time (memchr finds the breaks and zeros far faster
        // than a test of every byte).
        const char* const data = block.data();
        const qsizetype size = block.size();
        if (const void* zero = std::memchr(data, '\0', std::size_t(size))) {
            for (const char* p = data; p != zero; ++p) at += *p == '\n';
            return fail(at, QStringLiteral("il file %1 non è un file di testo (contiene "
                                           "dati binari).")
                                .arg(name));
        }
        if (found.blank) {
            for (qsizetype i = 0; i < size && found.blank; ++i) {
                const char c = data[i];
                if (!(c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xEF' ||
                      c == '\xBB' || c == '\xBF')) {
                    found.blank = false;
                }
            }
        }
        for (qsizetype from = 0; from < size;) {
            const void* nl = std::memchr(data + from, '\n', std::size_t(size - from));
            const qsizetype end = nl ? static_cast<const char*>(nl) - data : size;
            lineLength += end - from;
            if (lineLength > options.longestRow && !found.spreadsheet) {
                return fail(at, QStringLiteral("la riga è più lunga di %1 MB: il file non è "
                                               "un elenco da importare.")
                                    .arg(megabytes(options.longestRow)));
            }
            if (!nl) break;
            ++at;
            lineLength = 0;
            from = end + 1;
        }
        if (progress && !progress(found.size, qMax(total, found.size) * 2)) return cancel();
    }
    device.reset();
    return true;
}

bool Reader::State::acceptRow(qint64 at, const QList<QByteArrayView>& cells) {
    rowBytes = 0;
    if (!headerRead) {
        headerRead = true;
        QStringList texts;
        for (const QByteArrayView cell : cells) texts.append(decodeCell(cell, table.encoding));
        table.header = texts;
        queue.setShape(table.encoding, texts.size());
        return true;
    }
    // The cells stay bytes: whoever checks the rows decodes them.
    if (std::all_of(cells.begin(), cells.end(), [](QByteArrayView c) { return c.isEmpty(); })) {
        return true;
    }
    if (cells.size() > table.header.size()) {
        sinkError = QStringLiteral("la riga ha %1 celle, più delle %2 dell'intestazione.")
                        .arg(cells.size())
                        .arg(table.header.size());
        sinkErrorLine = at;
        return false;
    }
    queue.append(at, cells);
    return true;
}

bool Reader::State::feedLine(QByteArrayView bytes) {
    ++line;
    if (line == 1 && bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    if (!parser) {
        if (table.separator == 0) table.separator = csvtext::detectSeparator(bytes);
        parser = std::make_unique<CsvReader>(
            table.separator,
            [this](qint64 at, const QList<QByteArrayView>& cells) { return acceptRow(at, cells); });
    }
    rowBytes += bytes.size();
    if (rowBytes > options.longestRow) {
        return fail(parser->openRowLine() ? parser->openRowLine() : line,
                    QStringLiteral("la riga è più lunga di %1 MB: il file non è un elenco da "
                                   "importare.")
                        .arg(megabytes(options.longestRow)));
    }
    if (!parser->feed(bytes, line)) {
        if (!sinkError.isEmpty()) return fail(sinkErrorLine, sinkError);
        return fail(line, QStringLiteral("virgolette non bilanciate: una cella tra virgolette "
                                         "deve chiudersi con le virgolette seguite dal "
                                         "separatore o dalla fine della riga."));
    }
    return true;
}

// Reads and parses the next block of the file, or its end.
bool Reader::State::fill() {
    if (!queued()) {
        queue.clear();
        front = 0;
    }
    if (sheet) return fillSheet();
    // Read after the line left open by the block before, into the same
    // buffer each time (a new megabyte for each block costs the
    // allocator more than the parsing).
    const qsizetype kept = pending.size();
    pending.resize(kept + kBlock);
    const qint64 got = device->read(pending.data() + kept, kBlock);
    pending.resize(kept + qMax<qint64>(got, 0));
    if (got <= 0) {
        if (parsed < found.size) {
            return fail(line + 1,
                        QStringLiteral("il file %1 non si può più leggere: %2")
                            .arg(name, device->atEnd() ? fileerror::text(fileerror::Cause::Shrunk)
                                                       : deviceError(*device)));
        }
        ended = true;
        if (!pending.isEmpty() && !feedLine(pending)) return false;
        pending.clear();
        if (parser && !parser->finish()) {
            if (!sinkError.isEmpty()) return fail(sinkErrorLine, sinkError);
            return fail(parser->openRowLine() ? parser->openRowLine() : line,
                        QStringLiteral("virgolette non bilanciate: la cella tra virgolette aperta "
                                       "qui non si chiude fino alla fine del file."));
        }
        return true;
    }
    parsed += got;
    qsizetype start = 0;
    for (qsizetype nl = pending.indexOf('\n', kept); nl >= 0; nl = pending.indexOf('\n', start)) {
        if (!feedLine(QByteArrayView(pending).sliced(start, nl + 1 - start))) return false;
        start = nl + 1;
    }
    // Moved to the front by hand: QByteArray::remove() would leave the room
    // at the front, and the next block would want a new buffer.
    const qsizetype rest = pending.size() - start;
    std::memmove(pending.data(), pending.constData() + start, std::size_t(rest));
    pending.truncate(rest);
    if (progress && !progress(found.size + parsed, qMax<qint64>(found.size, 1) * 2)) {
        return cancel();
    }
    return true;
}

Reader::Reader(DeviceFactory open, QString name, ReadOptions options, ScanProgress progress)
    : d_(std::make_unique<State>()) {
    d_->open = std::move(open);
    d_->name = std::move(name);
    d_->options = options;
    d_->progress = std::move(progress);
}

Reader::Reader(const QString& path, const ReadOptions& options, ScanProgress progress)
    : Reader(
          [path]() -> std::unique_ptr<QIODevice> {
              auto file = std::make_unique<QFile>(path);
              (void)file->open(QIODevice::ReadOnly);
              return file;
          },
          path, options, std::move(progress)) {}

Reader::~Reader() = default;

// A first row of values rather than titles: a cell no title looks like (a
// date, an e-mail address, a codice fiscale), or numbers alone.
static bool valuesNotTitles(const QStringList& header) {
    static const QRegularExpression value(
        QStringLiteral("^([0-9]{1,4}[/.-][0-9]{1,2}[/.-][0-9]{1,4}|[^@\\s]+@[^@\\s]+\\.[^@\\s]+|"
                       "[A-Z]{6}[0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{3}"
                       "[A-Z])$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression number(QStringLiteral("^[0-9 .,+-]+$"));
    qsizetype cells = 0, numbers = 0;
    for (const QString& cell : header) {
        const QString text = cell.trimmed();
        if (text.isEmpty()) continue;
        ++cells;
        if (value.match(text).hasMatch()) return true;
        if (number.match(text).hasMatch()) ++numbers;
    }
    return cells > 0 && numbers == cells;
}

bool Reader::State::headerless() {
    if (!valuesNotTitles(table.header)) return false;
    QStringList first = table.header.mid(0, 3);
    fail(headerLine, QStringLiteral("la prima riga con dei dati (%1...) non ha i titoli delle "
                                    "colonne: aggiungere in cima all'elenco una riga con i "
                                    "titoli (Cognome, Nome...).")
                         .arg(first.join(QStringLiteral(", "))));
    return true;
}

bool Reader::State::startSheet(sheetfile::Kind kind) {
    QString error;
    sheet = sheetfile::open(name, kind, &error);
    if (!sheet) return fail(0, error);
    table.encoding = Encoding::Utf8;
    qint64 row = 0;
    QStringList cells;
    if (!sheet->next(&row, &cells)) {
        return fail(0, sheet->error().isEmpty()
                           ? QStringLiteral("Il file %1 non ha un foglio con dei dati da "
                                            "importare.")
                                 .arg(name)
                           : sheet->error());
    }
    // A column with data but no title is named by its letters.
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (!cells.at(c).trimmed().isEmpty()) continue;
        QString letters;
        for (qsizetype n = c + 1; n > 0; n = (n - 1) / 26)
            letters.prepend(QChar(u'A' + int((n - 1) % 26)));
        cells[c] = QStringLiteral("Colonna ") + letters;
    }
    table.header = cells;
    headerLine = row;
    headerRead = true;
    queue.setShape(Encoding::Utf8, cells.size());
    found.size = sheet->total();
    return true;
}

// The next rows of the sheet, a few hundred at a time.
bool Reader::State::fillSheet() {
    Row row;
    for (int n = 0; n < 512; ++n) {
        if (!sheet->next(&row.line, &row.cells)) {
            if (!sheet->error().isEmpty()) return fail(row.line, sheet->error());
            ended = true;
            break;
        }
        if (row.cells.size() > table.header.size()) {
            return fail(row.line, QStringLiteral("la riga ha %1 celle, più delle %2 "
                                                 "dell'intestazione.")
                                      .arg(row.cells.size())
                                      .arg(table.header.size()));
        }
        queue.append(row);
    }
    parsed = qMin(sheet->done(), found.size);
    if (progress && !progress(found.size + parsed, qMax<qint64>(found.size, 1) * 2)) {
        return cancel();
    }
    return true;
}

bool Reader::start() {
    State& d = *d_;
    {
        // A workbook is told by its first bytes, whatever its name.
        const std::unique_ptr<QIODevice> device = d.open();
        const sheetfile::Kind kind =
            device && device->isOpen() ? sheetfile::kindOf(device->peek(8)) : sheetfile::Kind::Text;
        if (kind != sheetfile::Kind::Text) {
            if (!d.startSheet(kind)) return false;
            if (!d.refill()) {
                if (d.stopped) return false;
                return d.fail(d.headerLine, QStringLiteral("il file contiene solo "
                                                           "l'intestazione, nessuna riga da "
                                                           "importare."));
            }
            if (d.headerless()) return false;
            d.table.ok = true;
            return true;
        }
    }
    if (!d.survey()) return false;
    if (d.found.blank) return d.fail(0, QStringLiteral("Il file %1 è vuoto.").arg(d.name));
    d.device = d.open();
    if (!d.device || !d.device->isOpen()) {
        return d.fail(0, QStringLiteral("il file %1 non si può più leggere: %2")
                             .arg(d.name, d.device ? deviceError(*d.device)
                                                   : fileerror::text(fileerror::Cause::Missing)));
    }
    if (d.found.spreadsheet) {
        Table table = readSpreadsheet(*d.device, d.options, std::move(d.table));
        d.device.reset();
        d.ended = true;
        d.headerRead = true;
        d.queue.setShape(Encoding::Utf8, table.header.size());
        for (const Row& row : table.rows) d.queue.append(row);
        table.rows.clear();
        d.table = std::move(table);
        if (!d.table.ok) {
            d.stopped = true;
            d.queue.clear();
            d.front = 0;
            return false;
        }
        return true;
    }
    d.table.encoding = d.options.encoding != Encoding::Detect ? d.options.encoding
                       : d.found.validUtf8                    ? Encoding::Utf8
                                                              : Encoding::Cp1252;
    d.table.separator = d.options.separator;
    // The header and the first row: a file with no row is refused here.
    if (!d.refill()) {
        if (d.stopped) return false;
        return d.fail(1, QStringLiteral("il file contiene solo l'intestazione, nessuna riga da "
                                        "importare."));
    }
    if (d.headerless()) return false;
    d.table.ok = true;
    return true;
}

bool Reader::next(Row* row) {
    State& d = *d_;
    if (!d.refill()) return false;
    row->line = d.queue.line(d.front);
    d.queue.cells(d.front, &row->cells);
    ++d.front;
    return true;
}

bool Reader::nextBatch(RowBatch* batch) {
    State& d = *d_;
    batch->clear();
    if (!d.refill()) return false;
    const qsizetype count = qMin(kBatchRows, d.queue.size() - d.front);
    batch->append(d.queue, d.front, count);
    d.front += count;
    return true;
}

QString Reader::error() const {
    return d_->table.error;
}
bool Reader::cancelled() const {
    return d_->table.cancelled;
}
qint64 Reader::done() const {
    return d_->found.size + d_->parsed;
}
qint64 Reader::total() const {
    return qMax<qint64>(d_->found.size, 1) * 2;
}
qint64 Reader::errorLine() const {
    return d_->table.errorLine;
}
QList<QStringList> Reader::sample(qsizetype count) const {
    const State& d = *d_;
    QList<QStringList> rows;
    QStringList cells;
    for (qsizetype r = d.front; r < d.queue.size() && rows.size() < count; ++r) {
        d.queue.cells(r, &cells);
        rows.append(cells);
    }
    return rows;
}

const QStringList& Reader::header() const {
    return d_->table.header;
}
char Reader::separator() const {
    return d_->table.separator;
}
Encoding Reader::encoding() const {
    return d_->table.encoding;
}
bool Reader::spreadsheet() const {
    return d_->table.spreadsheet;
}

struct Prefetch::State {
    static constexpr std::size_t kBatches = 4;

    Rows& source;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<RowBatch> ready;
    // Batches handed back, kept with their room for the next ones.
    std::vector<RowBatch> spare;
    bool ended = false;
    bool stop = false;
    std::thread worker;

    explicit State(Rows& rows) : source(rows) {}

    void work() {
        for (;;) {
            RowBatch batch;
            {
                std::lock_guard lock(mutex);
                if (!spare.empty()) {
                    batch = std::move(spare.back());
                    spare.pop_back();
                }
            }
            const bool got = source.nextBatch(&batch);
            std::unique_lock lock(mutex);
            changed.wait(lock, [this] { return stop || ready.size() < kBatches; });
            if (stop) return;
            if (got) {
                ready.push_back(std::move(batch));
            } else {
                ended = true;
            }
            changed.notify_all();
            if (!got) return;
        }
    }
};

Prefetch::Prefetch(Rows& source) : d_(std::make_unique<State>(source)) {}

Prefetch::~Prefetch() {
    if (d_->worker.joinable()) {
        {
            std::lock_guard lock(d_->mutex);
            d_->stop = true;
        }
        d_->changed.notify_all();
        d_->worker.join();
    }
}

bool Prefetch::nextBatch(RowBatch* batch) {
    State& d = *d_;
    if (!d.worker.joinable() && !d.ended) d.worker = std::thread([&d] { d.work(); });
    std::unique_lock lock(d.mutex);
    d.changed.wait(lock, [&d] { return !d.ready.empty() || d.ended; });
    if (d.ready.empty()) {
        batch->clear();
        return false;
    }
    d.spare.push_back(std::move(*batch));
    *batch = std::move(d.ready.front());
    d.ready.pop_front();
    d.changed.notify_all();
    return true;
}

QString Prefetch::error() const {
    std::lock_guard lock(d_->mutex);
    return d_->ended ? d_->source.error() : QString();
}

bool Prefetch::cancelled() const {
    std::lock_guard lock(d_->mutex);
    return d_->ended && d_->source.cancelled();
}

qint64 Prefetch::done() const {
    std::lock_guard lock(d_->mutex);
    return d_->ended ? d_->source.done() : 0;
}

qint64 Prefetch::total() const {
    return d_->source.total();
}

Table read(const DeviceFactory& open, const QString& name, const ReadOptions& options,
           const ScanProgress& progress) {
    Reader reader(open, name, options, progress);
    QList<Row> rows;
    qint64 count = 0;
    if (reader.start()) {
        Row row;
        while (reader.next(&row)) {
            ++count;
            if (options.keptRows < 0 || rows.size() < options.keptRows) {
                rows.append(std::move(row));
            }
        }
    }
    Table table = reader.d_->table;
    table.ok = reader.error().isEmpty() && !reader.cancelled();
    table.rows = std::move(rows);
    table.rowCount = count;
    return table;
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
