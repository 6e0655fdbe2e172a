#include "export/XlsxFile.h"

#include <sys/stat.h>
#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/FileErrors.h"
#include "base/TextRules.h"
#include "records/FieldRules.h"

namespace xlsx {

struct Writer::State {
    QString target;
    QString temporary;
    lxw_workbook* workbook = nullptr;
    lxw_worksheet* sheet = nullptr;
    lxw_format* header = nullptr;
    lxw_format* text = nullptr;
    lxw_format* date = nullptr;
    QList<lxw_format*> amount;  // by decimals, 0 to 4
    QList<Column> columns;
    lxw_row_t row = 0;
    lxw_error failure = LXW_NO_ERROR;

    void note(lxw_error error) {
        if (error != LXW_NO_ERROR && failure == LXW_NO_ERROR) failure = error;
    }
    void drop() {
        if (workbook) workbook_close(workbook);
        workbook = nullptr;
        if (!temporary.isEmpty()) QFile::remove(temporary);
        temporary.clear();
    }
};

namespace {

// Why the library failed, in Italian.
QString reasonOf(lxw_error error) {
    switch (error) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return fileerror::text(fileerror::Cause::ResourcesExhausted);
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
            return fileerror::italian(QString::fromLocal8Bit(std::strerror(errno)));
        default:
            return fileerror::text(fileerror::Cause::WriteFailed);
    }
}

// A whole date "gg/mm/aaaa", or nothing.
std::optional<QDate> wholeDate(const QString& text) {
    if (text.size() != 10 || text.at(2) != u'/' || text.at(5) != u'/') return std::nullopt;
    return fieldrules::parseDate(text);
}

}  // namespace

Writer::Writer() : state_(std::make_unique<State>()) {}

Writer::~Writer() {
    cancel();
}

bool Writer::open(const QString& path, const QString& sheetName, const QList<Column>& columns,
                  QString* error) {
    cancel();
    State& s = *state_;
    s.target = path;
    s.columns = columns;
    s.row = 0;
    s.failure = LXW_NO_ERROR;
    // A name of our own beside the target, which the library then writes.
    {
        QTemporaryFile reserve(QFileInfo(path).absolutePath() + QStringLiteral("/.XXXXXX.xlsx"));
        reserve.setAutoRemove(false);
        if (!reserve.open()) {
            if (error) *error = fileerror::of(reserve);
            return false;
        }
        s.temporary = reserve.fileName();
    }
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray file = QFile::encodeName(s.temporary);
    s.workbook = workbook_new_opt(file.constData(), &options);
    if (!s.workbook) {
        if (error) *error = fileerror::text(fileerror::Cause::ResourcesExhausted);
        s.drop();
        return false;
    }
    // The sheet's name: at most 31 characters, none of []:*?/\.
    QString name = sheetName;
    for (const QChar c : QStringLiteral("[]:*?/\\")) name.replace(c, u' ');
    name = name.left(31).trimmed();
    if (name.isEmpty()) name = QStringLiteral("Foglio1");
    s.sheet = workbook_add_worksheet(s.workbook, name.toUtf8().constData());
    s.header = workbook_add_format(s.workbook);
    format_set_bold(s.header);
    s.text = workbook_add_format(s.workbook);
    format_set_num_format(s.text, "@");
    s.date = workbook_add_format(s.workbook);
    format_set_num_format(s.date, "dd/mm/yyyy");
    s.amount.clear();
    for (int decimals = 0; decimals <= 4; ++decimals) {
        lxw_format* format = workbook_add_format(s.workbook);
        const QByteArray pattern =
            decimals == 0 ? QByteArray("#,##0") : "#,##0." + QByteArray(decimals, '0');
        format_set_num_format(format, pattern.constData());
        s.amount.append(format);
    }
    for (qsizetype c = 0; c < columns.size(); ++c) {
        const Column& column = columns.at(c);
        const lxw_col_t col = lxw_col_t(c);
        s.note(worksheet_set_column(s.sheet, col, col, column.width, nullptr));
        s.note(
            worksheet_write_string(s.sheet, 0, col, column.header.toUtf8().constData(), s.header));
    }
    worksheet_freeze_panes(s.sheet, 1, 0);
    s.row = 1;
    return true;
}

void Writer::addRow(const QStringList& cells) {
    State& s = *state_;
    if (!s.workbook) return;
    for (qsizetype c = 0; c < s.columns.size(); ++c) {
        const QString cell = text::trimBlanks(cells.value(c));
        if (cell.isEmpty()) continue;
        const lxw_col_t col = lxw_col_t(c);
        const Column& column = s.columns.at(c);
        if (column.kind == CellKind::Date) {
            if (const auto date = wholeDate(cell)) {
                lxw_datetime when{date->year(), date->month(), date->day(), 0, 0, 0.0};
                s.note(worksheet_write_datetime(s.sheet, s.row, col, &when, s.date));
                continue;
            }
        } else if (column.kind == CellKind::Amount) {
            const int decimals = qBound(0, column.decimals, 4);
            if (const auto units = fieldrules::amountUnits(cell, decimals)) {
                const double value = double(*units) / std::pow(10.0, decimals);
                s.note(worksheet_write_number(s.sheet, s.row, col, value, s.amount.at(decimals)));
                continue;
            }
        }
        // Text, kept as text: written as a string, never read as a formula.
        s.note(worksheet_write_string(s.sheet, s.row, col, cell.toUtf8().constData(),
                                      column.kind == CellKind::Code ? s.text : nullptr));
    }
    ++s.row;
}

bool Writer::finish(QString* error) {
    State& s = *state_;
    if (!s.workbook) return false;
    if (!s.columns.isEmpty()) {
        s.note(worksheet_autofilter(s.sheet, 0, 0, s.row - 1, lxw_col_t(s.columns.size() - 1)));
    }
    const lxw_error closed = workbook_close(s.workbook);
    s.workbook = nullptr;
    s.note(closed);
    if (s.failure != LXW_NO_ERROR) {
        if (error) *error = reasonOf(s.failure);
        s.drop();
        return false;
    }
    const QByteArray from = QFile::encodeName(s.temporary);
    const QByteArray to = QFile::encodeName(s.target);
    // The file's permissions: the replaced file's, or those of a new file
    // (the temporary file was made private to the user).
    struct stat existing {};
    if (::stat(to.constData(), &existing) == 0) {
        ::chmod(from.constData(), existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(from.constData(), 0666 & ~mask);
    }
    if (std::rename(from.constData(), to.constData()) != 0) {
        if (error) *error = fileerror::italian(QString::fromLocal8Bit(std::strerror(errno)));
        s.drop();
        return false;
    }
    s.temporary.clear();
    return true;
}

void Writer::cancel() {
    state_->drop();
}

}  // namespace xlsx
