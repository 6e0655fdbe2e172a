#include "import/SheetFile.h"

#include <QDate>
#include <QHash>
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <QTime>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <vector>

#include "backup/ZipArchive.h"

namespace sheetfile {

Kind kindOf(QByteArrayView start) {
    if (start.startsWith("PK\x03\x04")) return Kind::Zip;
    if (start.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return Kind::Compound;
    return Kind::Text;
}

QString numberText(double value) {
    if (!std::isfinite(value)) return QString();
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return QString::number(qint64(value));
    }
    // 15 significant digits, as a spreadsheet shows them: 0.1 + 0.2 is 0,3.
    const int whole = qMax(1, int(std::floor(std::log10(std::fabs(value)))) + 1);
    QString text = QString::number(value, 'f', qBound(0, 15 - whole, 15));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0')) text.chop(1);
        if (text.endsWith(u'.')) text.chop(1);
    }
    text.replace(u'.', u',');
    return text;
}

QString serialDateText(double serial, bool from1904) {
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466) return numberText(serial);
    const qint64 days = qint64(std::floor(serial));
    if (days == 0 && !from1904) {
        const int seconds = int(std::lround((serial - double(days)) * 86400.0)) % 86400;
        return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("HH:mm"));
    }
    // The 1900 system's day 60 is the 29 February 1900 that never was.
    const QDate date = from1904 ? QDate(1904, 1, 1).addDays(days)
                                : QDate(1899, 12, 30).addDays(days < 60 ? days + 1 : days);
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

namespace {

QString isoDateText(const QString& iso) {
    const QDate date = QDate::fromString(iso.left(10), Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : iso;
}

QString damaged(const QString& path, const QString& why) {
    return QStringLiteral("Il file %1 non si può leggere come foglio di calcolo: %2")
        .arg(path, why);
}

QString noData(const QString& path) {
    return QStringLiteral("Il file %1 non ha un foglio con dei dati da importare.").arg(path);
}

// A row's cells, set by column, padding with empty cells.
void setCell(QStringList* cells, qsizetype column, const QString& value) {
    if (column >= cells->size()) {
        if (value.isEmpty()) return;
        while (cells->size() < column) cells->append(QString());
        cells->append(value);
    } else {
        (*cells)[column] = value;
    }
}

void dropEmptyEnd(QStringList* cells) {
    while (!cells->isEmpty() && cells->last().trimmed().isEmpty()) cells->removeLast();
}

// ---------------------------------------------------------------- .xlsx

// A range of merged cells, and its top left cell's value once read.
struct Merge {
    qint64 top, bottom;
    qsizetype left, right;
    QString value;
};

// "BC12": the column (0 for A) and the row (1 for the first).
bool cellReference(QStringView ref, qsizetype* column, qint64* row) {
    qsizetype c = 0;
    qsizetype i = 0;
    while (i < ref.size() && ref.at(i).isLetter()) {
        c = c * 26 + (ref.at(i).toUpper().unicode() - u'A' + 1);
        ++i;
    }
    if (i == 0 || c > 16384) return false;
    bool ok = false;
    const qint64 r = ref.mid(i).toLongLong(&ok);
    *column = c - 1;
    *row = ok ? r : 0;
    return true;
}

// The built-in number formats that show a date.
bool builtInDate(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// A format code that shows a date: a day or a year outside quoted text and
// brackets (colours, locales). The files keep the codes in English.
bool dateFormatCode(const QString& code) {
    bool quoted = false;
    int bracket = 0;
    bool day = false, year = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i).toLower();
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            ++bracket;
        } else if (c == u']') {
            bracket = qMax(0, bracket - 1);
        } else if (bracket == 0) {
            if (c == u'd') day = true;
            if (c == u'y') year = true;
        }
    }
    return day || year;
}

class XlsxSheet : public Sheet {
public:
    XlsxSheet(const QString& path) : path_(path), zip_(path) {}

    bool start() {
        if (!zip_.open()) {
            error_ = damaged(path_, zip_.errorString());
            return false;
        }
        const qsizetype book = zip_.indexOf(QStringLiteral("xl/workbook.xml"));
        if (book < 0) {
            error_ = damaged(path_, QStringLiteral("non è un file .xlsx né .ods."));
            return false;
        }
        QStringList sheets;
        if (!readBook(book, &sheets) || !readStyles() || !readStrings()) return false;
        for (const QString& sheet : sheets) {
            const qsizetype index = zip_.indexOf(sheet);
            if (index < 0) continue;
            bool data = false;
            if (!survey(index, &data)) return false;
            if (!data) continue;
            device_ = zip_.device(index);
            if (!device_) {
                error_ = damaged(path_, zip_.errorString());
                return false;
            }
            total_ = zip_.entries().at(index).size;
            xml_.setDevice(device_.get());
            return true;
        }
        error_ = noData(path_);
        return false;
    }

    bool next(qint64* row, QStringList* cells) override {
        if (!device_) return false;
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement() && xml_.name() == u"row") {
                if (!readRow(row, cells)) break;
                if (!cells->isEmpty()) return true;
            }
        }
        if (xml_.hasError()) {
            error_ = damaged(path_, device_->errorString().isEmpty() ? xml_.errorString()
                                                                     : device_->errorString());
        }
        device_.reset();
        return false;
    }
    qint64 done() const override { return device_ ? xml_.characterOffset() : total_; }
    qint64 total() const override { return qMax<qint64>(total_, 1); }

private:
    // The entry's XML, with a message when it is damaged.
    bool parse(qsizetype index, const std::function<void(QXmlStreamReader&)>& element) {
        const std::unique_ptr<QIODevice> device = zip_.device(index);
        if (!device) {
            error_ = damaged(path_, zip_.errorString());
            return false;
        }
        QXmlStreamReader xml(device.get());
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) element(xml);
        }
        if (xml.hasError()) {
            error_ = damaged(
                path_, device->errorString().isEmpty() ? xml.errorString() : device->errorString());
            return false;
        }
        return true;
    }
    bool parse(const QString& name, const std::function<void(QXmlStreamReader&)>& element) {
        const qsizetype index = zip_.indexOf(name);
        return index < 0 || parse(index, element);
    }

    // The sheets in the workbook's order, and its day count.
    bool readBook(qsizetype book, QStringList* sheets) {
        QStringList ids;
        if (!parse(book, [&](QXmlStreamReader& xml) {
                if (xml.name() == u"workbookPr") {
                    const auto v = xml.attributes().value(QStringLiteral("date1904"));
                    from1904_ = v == u"1" || v == u"true";
                } else if (xml.name() == u"sheet") {
                    for (const QXmlStreamAttribute& a : xml.attributes()) {
                        if (a.name() == u"id") ids.append(a.value().toString());
                    }
                }
            })) {
            return false;
        }
        QHash<QString, QString> targets;
        if (!parse(QStringLiteral("xl/_rels/workbook.xml.rels"), [&](QXmlStreamReader& xml) {
                if (xml.name() != u"Relationship") return;
                QString target = xml.attributes().value(QStringLiteral("Target")).toString();
                target = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
                targets.insert(xml.attributes().value(QStringLiteral("Id")).toString(), target);
            })) {
            return false;
        }
        for (const QString& id : ids) sheets->append(targets.value(id));
        if (sheets->isEmpty()) sheets->append(QStringLiteral("xl/worksheets/sheet1.xml"));
        return true;
    }

    // Which cell styles show a date.
    bool readStyles() {
        QSet<int> dateFormats;
        bool inCellXfs = false;
        return parse(QStringLiteral("xl/styles.xml"), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"numFmt") {
                if (dateFormatCode(xml.attributes().value(QStringLiteral("formatCode")).toString()))
                    dateFormats.insert(xml.attributes().value(QStringLiteral("numFmtId")).toInt());
            } else if (xml.name() == u"cellXfs") {
                inCellXfs = true;
            } else if (xml.name() == u"cellStyles" || xml.name() == u"dxfs") {
                inCellXfs = false;
            } else if (xml.name() == u"xf" && inCellXfs) {
                const int id = xml.attributes().value(QStringLiteral("numFmtId")).toInt();
                dateStyles_.push_back(builtInDate(id) || dateFormats.contains(id));
            }
        });
    }

    // A workbook's text with its escaped characters back: "_x000D_" is a
    // carriage return, "_x005F_" an underscore that would start one.
    static QString unescaped(const QString& text) {
        if (!text.contains(QStringLiteral("_x"))) return text;
        static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
        QString out;
        qsizetype from = 0;
        for (auto it = escape.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            out += QStringView(text).mid(from, match.capturedStart() - from);
            out += QChar(char16_t(match.captured(1).toUShort(nullptr, 16)));
            from = match.capturedEnd();
        }
        out += QStringView(text).mid(from);
        return out;
    }

    // A rich text's runs, without its phonetic guides.
    static QString runs(QXmlStreamReader& xml, QStringView end) {
        QString text;
        int phonetic = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (xml.name() == u"rPh") ++phonetic;
                if (xml.name() == u"t" && phonetic == 0) text += unescaped(xml.readElementText());
            } else if (xml.isEndElement()) {
                if (xml.name() == u"rPh") --phonetic;
                if (xml.name() == end) break;
            }
        }
        return text;
    }

    bool readStrings() {
        return parse(QStringLiteral("xl/sharedStrings.xml"), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"si") strings_.append(runs(xml, u"si"));
        });
    }

    // Whether the sheet has a value, and its merged cells (which come after
    // its rows).
    bool survey(qsizetype index, bool* data) {
        merges_.clear();
        return parse(index, [&](QXmlStreamReader& xml) {
            if (xml.name() == u"v" || xml.name() == u"is") {
                *data = true;
            } else if (xml.name() == u"mergeCell") {
                const QStringList ends =
                    xml.attributes().value(QStringLiteral("ref")).toString().split(u':');
                Merge merge{};
                if (ends.size() == 2 && cellReference(ends.at(0), &merge.left, &merge.top) &&
                    cellReference(ends.at(1), &merge.right, &merge.bottom)) {
                    merges_.push_back(merge);
                }
            }
        });
    }

    bool readRow(qint64* row, QStringList* cells) {
        cells->clear();
        const auto number = xml_.attributes().value(QStringLiteral("r"));
        row_ = number.isEmpty() ? row_ + 1 : number.toLongLong();
        *row = row_;
        qsizetype column = -1;
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isEndElement() && xml_.name() == u"row") break;
            if (!xml_.isStartElement() || xml_.name() != u"c") continue;
            const QXmlStreamAttributes attributes = xml_.attributes();
            qint64 unused = 0;
            const auto ref = attributes.value(QStringLiteral("r"));
            if (ref.isEmpty() || !cellReference(ref, &column, &unused)) ++column;
            const QString type = attributes.value(QStringLiteral("t")).toString();
            const int style = attributes.value(QStringLiteral("s")).toInt();
            QString value;
            bool hasValue = false;
            while (!xml_.atEnd()) {
                xml_.readNext();
                if (xml_.isEndElement() && xml_.name() == u"c") break;
                if (!xml_.isStartElement()) continue;
                if (xml_.name() == u"v") {
                    value = xml_.readElementText();
                    hasValue = true;
                } else if (xml_.name() == u"is") {
                    value = runs(xml_, u"is");
                    hasValue = true;
                    break;
                } else {
                    xml_.skipCurrentElement();
                }
            }
            if (hasValue) setCell(cells, column, cellText(type, style, value));
        }
        fillMerges(cells);
        dropEmptyEnd(cells);
        return !xml_.hasError();
    }

    QString cellText(const QString& type, int style, const QString& value) const {
        if (type == u"s") return strings_.value(value.toLongLong());
        if (type == u"inlineStr" || type == u"str" || type == u"e") return value;
        if (type == u"b") return value == u"1" ? QStringLiteral("Sì") : QStringLiteral("No");
        if (type == u"d") return isoDateText(value);
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok) return value;
        if (style >= 0 && std::size_t(style) < dateStyles_.size() &&
            dateStyles_[std::size_t(style)])
            return serialDateText(number, from1904_);
        return numberText(number);
    }

    void fillMerges(QStringList* cells) {
        for (Merge& merge : merges_) {
            if (row_ < merge.top || row_ > merge.bottom) continue;
            if (row_ == merge.top) merge.value = cells->value(merge.left);
            for (qsizetype c = merge.left; c <= merge.right; ++c) setCell(cells, c, merge.value);
        }
    }

    QString path_;
    ziparchive::Reader zip_;
    bool from1904_ = false;
    std::vector<bool> dateStyles_;
    QStringList strings_;
    std::vector<Merge> merges_;
    std::unique_ptr<QIODevice> device_;
    QXmlStreamReader xml_;
    qint64 row_ = 0;
    qint64 total_ = 0;
};

// ---------------------------------------------------------------- .ods

class OdsSheet : public Sheet {
public:
    OdsSheet(const QString& path, std::unique_ptr<QIODevice> device, qint64 total)
        : path_(path), device_(std::move(device)), total_(total) {
        xml_.setDevice(device_.get());
    }

    bool next(qint64* row, QStringList* cells) override {
        if (repeats_ > 0) {
            --repeats_;
            *row = ++row_;
            *cells = repeated_;
            return true;
        }
        while (device_ && !xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isEndElement() && xml_.name() == u"table") {
                // The first sheet with data is the one read.
                if (rowsGiven_ > 0) break;
                row_ = 0;
                spans_.clear();
            }
            if (!xml_.isStartElement() || xml_.name() != u"table-row") continue;
            const qint64 repeat = std::max<qint64>(
                1,
                xml_.attributes().value(QStringLiteral("table:number-rows-repeated")).toLongLong());
            readRow(cells);
            if (xml_.hasError()) break;
            if (cells->isEmpty()) {
                row_ += repeat;
                continue;
            }
            *row = ++row_;
            ++rowsGiven_;
            if (repeat > 1) {
                repeats_ = repeat - 1;
                repeated_ = *cells;
            }
            return true;
        }
        if (xml_.hasError()) {
            error_ = damaged(path_, device_->errorString().isEmpty() ? xml_.errorString()
                                                                     : device_->errorString());
        } else if (rowsGiven_ == 0 && device_) {
            error_ = noData(path_);
        }
        device_.reset();
        return false;
    }
    qint64 done() const override { return device_ ? xml_.characterOffset() : total_; }
    qint64 total() const override { return qMax<qint64>(total_, 1); }

private:
    // A paragraph's text: its spaces (text:s), tabs and line breaks kept.
    QString paragraph() {
        QString text;
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isCharacters()) {
                text += xml_.text();
            } else if (xml_.isStartElement()) {
                ++depth;
                if (xml_.name() == u"s") {
                    text += QString(qMax(1, xml_.attributes().value(QStringLiteral("c")).toInt()),
                                    u' ');
                } else if (xml_.name() == u"tab") {
                    text += u'\t';
                } else if (xml_.name() == u"line-break") {
                    text += u'\n';
                } else if (xml_.name() == u"annotation") {
                    xml_.skipCurrentElement();
                    --depth;
                }
            } else if (xml_.isEndElement()) {
                --depth;
            }
        }
        return text;
    }

    QString cellValue(const QXmlStreamAttributes& a, const QString& shown) const {
        const auto type = a.value(QStringLiteral("office:value-type"));
        if (type == u"float" || type == u"percentage" || type == u"currency") {
            bool ok = false;
            const double value = a.value(QStringLiteral("office:value")).toDouble(&ok);
            return ok ? numberText(value) : shown;
        }
        if (type == u"date")
            return isoDateText(a.value(QStringLiteral("office:date-value")).toString());
        if (type == u"boolean") {
            return a.value(QStringLiteral("office:boolean-value")) == u"true"
                       ? QStringLiteral("Sì")
                       : QStringLiteral("No");
        }
        return shown;
    }

    void readRow(QStringList* cells) {
        cells->clear();
        const qint64 row = row_ + 1;
        qsizetype column = 0;
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isEndElement() && xml_.name() == u"table-row") break;
            if (!xml_.isStartElement()) continue;
            const bool covered = xml_.name() == u"covered-table-cell";
            if (!covered && xml_.name() != u"table-cell") continue;
            const QXmlStreamAttributes a = xml_.attributes();
            const qint64 repeat = qBound(
                qint64(1), a.value(QStringLiteral("table:number-columns-repeated")).toLongLong(),
                qint64(16384));
            QString shown;
            while (!xml_.atEnd()) {
                xml_.readNext();
                if (xml_.isEndElement() &&
                    (xml_.name() == u"table-cell" || xml_.name() == u"covered-table-cell"))
                    break;
                if (!xml_.isStartElement()) continue;
                if (xml_.name() == u"p") {
                    if (!shown.isEmpty()) shown += u'\n';
                    shown += paragraph();
                } else {
                    xml_.skipCurrentElement();
                }
            }
            QString value = cellValue(a, shown);
            const qint64 across =
                a.value(QStringLiteral("table:number-columns-spanned")).toLongLong();
            const qint64 down = a.value(QStringLiteral("table:number-rows-spanned")).toLongLong();
            if (!covered && (across > 1 || down > 1)) {
                for (qint64 c = 0; c < std::max<qint64>(1, across); ++c)
                    spans_.insert(column + c, {value, row + std::max<qint64>(1, down) - 1});
            }
            if (covered && value.isEmpty()) {
                const auto span = spans_.constFind(column);
                if (span != spans_.cend() && span->second >= row) value = span->first;
            }
            for (qint64 r = 0; r < repeat; ++r) setCell(cells, column++, value);
        }
        dropEmptyEnd(cells);
    }

    QString path_;
    std::unique_ptr<QIODevice> device_;
    QXmlStreamReader xml_;
    qint64 total_;
    qint64 row_ = 0;
    qint64 rowsGiven_ = 0;
    qint64 repeats_ = 0;
    QStringList repeated_;
    // The value of a merged range for its columns, and its last row.
    QHash<qsizetype, std::pair<QString, qint64>> spans_;
};

// The .ods sheet with the zip file it reads from.
class OdsFile : public Sheet {
public:
    explicit OdsFile(const QString& path) : path_(path), zip_(path) {}
    bool start() {
        if (!zip_.open()) {
            error_ = damaged(path_, zip_.errorString());
            return false;
        }
        const qsizetype content = zip_.indexOf(QStringLiteral("content.xml"));
        std::unique_ptr<QIODevice> device = content < 0 ? nullptr : zip_.device(content);
        if (!device) {
            error_ = content < 0 ? damaged(path_, QStringLiteral("non è un file .xlsx né .ods."))
                                 : damaged(path_, zip_.errorString());
            return false;
        }
        sheet_ =
            std::make_unique<OdsSheet>(path_, std::move(device), zip_.entries().at(content).size);
        return true;
    }
    bool next(qint64* row, QStringList* cells) override {
        const bool got = sheet_->next(row, cells);
        if (!got) error_ = sheet_->error();
        return got;
    }
    qint64 done() const override { return sheet_->done(); }
    qint64 total() const override { return sheet_->total(); }

private:
    QString path_;
    ziparchive::Reader zip_;
    std::unique_ptr<OdsSheet> sheet_;
};

}  // namespace

std::unique_ptr<Sheet> open(const QString& path, Kind kind, QString* error) {
    if (kind == Kind::Compound) return openXls(path, error);
    {
        // An OpenDocument file names its type in its first entry.
        ziparchive::Reader probe(path);
        if (probe.open() && probe.indexOf(QStringLiteral("content.xml")) >= 0 &&
            probe.indexOf(QStringLiteral("xl/workbook.xml")) < 0) {
            auto ods = std::make_unique<OdsFile>(path);
            if (ods->start()) return ods;
            *error = ods->error();
            return nullptr;
        }
    }
    auto xlsx = std::make_unique<XlsxSheet>(path);
    if (xlsx->start()) return xlsx;
    *error = xlsx->error();
    return nullptr;
}

}  // namespace sheetfile
