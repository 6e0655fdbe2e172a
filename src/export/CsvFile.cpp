#include "export/CsvFile.h"

#include "base/FileErrors.h"
#include "base/ReplaceFile.h"

namespace csv {

namespace {

constexpr qsizetype kBlock = qsizetype(1) << 20;

bool needsQuotes(QStringView text) {
    for (const QChar c : text) {
        if (c == u';' || c == u'"' || c == u'\n' || c == u'\r') return true;
    }
    return false;
}

// A cell a spreadsheet would read as a formula (or a text already guarded)
// begins with "'", which spreadsheets show as text and the import takes off.
bool needsGuard(QStringView text) {
    static const QString leading = QStringLiteral("=+-@\t\r'");
    return !text.isEmpty() && leading.contains(text.front());
}

void appendField(QByteArray& out, const QString& value) {
    const QString text = needsGuard(value) ? u'\'' + value : value;
    if (!needsQuotes(text)) {
        out += text.toUtf8();
        return;
    }
    out += '"';
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    out += quoted.toUtf8();
    out += '"';
}

}  // namespace

QByteArray line(const QStringList& fields) {
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ';';
        appendField(out, fields.at(i));
    }
    out += "\r\n";
    return out;
}

bool Writer::open(const QString& path, const QStringList& header, QString* error) {
    cancel();
    owned_ = std::make_unique<QSaveFile>(path);
    file_ = owned_.get();
    failed_ = false;
    if (!file_->open(QIODevice::WriteOnly)) {
        if (error) *error = fileerror::of(*file_);
        owned_.reset();
        file_ = nullptr;
        return false;
    }
    block_ = QByteArray("\xEF\xBB\xBF") + line(header);
    return true;
}

void Writer::flush() {
    if (file_ && !block_.isEmpty() && file_->write(block_) != block_.size()) failed_ = true;
    block_.resize(0);
}

void Writer::addRow(const QStringList& fields) {
    if (!file_) return;
    block_ += line(fields);
    if (block_.size() >= kBlock) flush();
}

bool Writer::finish(QString* error) {
    if (!file_) return false;
    flush();
    bool done = !failed_ && commitReplacing(*file_);
    if (!done && error) *error = fileerror::of(*file_);
    if (failed_) {
        file_->cancelWriting();
        file_->commit();
    }
    owned_.reset();
    file_ = nullptr;
    return done;
}

void Writer::cancel() {
    if (file_) {
        file_->cancelWriting();
        file_->commit();  // removes the temporary file
    }
    owned_.reset();
    file_ = nullptr;
    block_.clear();
}

}  // namespace csv
