// Excel 97-2003 workbooks (BIFF), through FreeXL: the one file that knows
// the library.
#include <freexl.h>

#include <QDate>
#include <QFile>

#include "import/SheetFile.h"

namespace sheetfile {
namespace {

QString unreadable(const QString& path, const QString& why) {
    return QStringLiteral("Il file %1 non si può leggere come foglio di calcolo: %2")
        .arg(path, why);
}

// A workbook saved with a password: an OLE file holding the encrypted
// workbook (a protected .xlsx or .xls saved by recent versions).
bool encrypted(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray start = file.read(qint64(1) << 20);
    const QString name = QStringLiteral("EncryptionInfo");
    return start.contains(QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * 2));
}

QString protectedFile(const QString& path) {
    return unreadable(path, QStringLiteral("è protetto da password. Aprirlo con il programma "
                                           "che lo ha creato, toglierne la password e "
                                           "salvarlo di nuovo."));
}

class XlsSheet : public Sheet {
public:
    ~XlsSheet() override {
        if (handle_) freexl_close(handle_);
    }

    bool start(const QString& path) {
        path_ = path;
        if (freexl_open(QFile::encodeName(path).constData(), &handle_) != FREEXL_OK) {
            handle_ = nullptr;
            error_ = encrypted(path) ? protectedFile(path)
                                     : unreadable(path, QStringLiteral("il file è danneggiato "
                                                                       "o non è un file Excel."));
            return false;
        }
        unsigned int info = 0;
        if (freexl_get_info(handle_, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
            info == FREEXL_BIFF_OBFUSCATED) {
            error_ = protectedFile(path);
            return false;
        }
        unsigned int sheets = 0;
        freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &sheets);
        for (unsigned short s = 0; s < sheets; ++s) {
            if (freexl_select_active_worksheet(handle_, s) != FREEXL_OK) continue;
            unsigned int rows = 0;
            unsigned short columns = 0;
            if (freexl_worksheet_dimensions(handle_, &rows, &columns) != FREEXL_OK) continue;
            rows_ = rows;
            columns_ = columns;
            for (unsigned int r = 0; r < rows; ++r) {
                QStringList cells;
                if (!readRow(r, &cells)) return false;
                if (!cells.isEmpty()) {
                    next_ = r;
                    return true;
                }
            }
        }
        error_ = QStringLiteral("Il file %1 non ha un foglio con dei dati da importare.").arg(path);
        return false;
    }

    bool next(qint64* row, QStringList* cells) override {
        while (next_ < rows_) {
            const unsigned int r = next_++;
            if (!readRow(r, cells)) return false;
            if (!cells->isEmpty()) {
                *row = qint64(r) + 1;
                return true;
            }
        }
        return false;
    }
    qint64 done() const override { return next_; }
    qint64 total() const override { return qMax<qint64>(rows_, 1); }

private:
    bool readRow(unsigned int r, QStringList* cells) {
        cells->clear();
        for (unsigned short c = 0; c < columns_; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(handle_, r, c, &cell) != FREEXL_OK) {
                error_ = unreadable(path_, QStringLiteral("la cella alla riga %1, colonna %2 è "
                                                          "danneggiata.")
                                               .arg(r + 1)
                                               .arg(c + 1));
                return false;
            }
            QString text;
            switch (cell.type) {
                case FREEXL_CELL_INT:
                    text = QString::number(cell.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    text = numberText(cell.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_TIME:
                    text = QString::fromUtf8(cell.value.text_value);
                    break;
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME: {
                    const QString iso = QString::fromUtf8(cell.value.text_value);
                    const QDate date = QDate::fromString(iso.left(10), Qt::ISODate);
                    text = date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : iso;
                    break;
                }
                default:
                    break;
            }
            while (cells->size() < c && !text.isEmpty()) cells->append(QString());
            if (!text.isEmpty()) cells->append(text);
        }
        while (!cells->isEmpty() && cells->last().trimmed().isEmpty()) cells->removeLast();
        return true;
    }

    QString path_;
    const void* handle_ = nullptr;
    unsigned int rows_ = 0;
    unsigned short columns_ = 0;
    unsigned int next_ = 0;
};

}  // namespace

std::unique_ptr<Sheet> openXls(const QString& path, QString* error) {
    auto sheet = std::make_unique<XlsSheet>();
    if (sheet->start(path)) return sheet;
    *error = sheet->error();
    return nullptr;
}

}  // namespace sheetfile
