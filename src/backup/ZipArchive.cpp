#include "backup/ZipArchive.h"

#include <zip.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "base/FileErrors.h"

namespace ziparchive {
namespace {

using fileerror::Cause;

zip_t* handle(void* archive) {
    return static_cast<zip_t*>(archive);
}

// The library's error in Italian: the system's reason through fileerror,
// the library's own causes worded here.
QString italian(zip_error_t* error) {
    if (zip_error_system_type(error) == ZIP_ET_SYS && zip_error_code_system(error) != 0) {
        return fileerror::italian(
            QString::fromLocal8Bit(std::strerror(zip_error_code_system(error))));
    }
    switch (zip_error_code_zip(error)) {
        case ZIP_ER_NOZIP:
            return QStringLiteral("non è un file zip");
        case ZIP_ER_INCONS:
        case ZIP_ER_CRC:
        case ZIP_ER_ZLIB:
        case ZIP_ER_EOF:
        case ZIP_ER_COMPRESSED_DATA:
        case ZIP_ER_COMPNOTSUPP:
        case ZIP_ER_ENCRNOTSUPP:
            return QStringLiteral("il file zip è danneggiato o incompleto");
        case ZIP_ER_NOENT:
            return fileerror::text(Cause::Missing);
        case ZIP_ER_MEMORY:
            return fileerror::text(Cause::ResourcesExhausted);
        case ZIP_ER_CANCELLED:
            return QStringLiteral("operazione annullata");
        case ZIP_ER_WRITE:
        case ZIP_ER_TMPOPEN:
        case ZIP_ER_CLOSE:
            return fileerror::text(Cause::WriteFailed);
        case ZIP_ER_RENAME:
            return fileerror::text(Cause::NotReplaced);
        case ZIP_ER_READ:
        case ZIP_ER_SEEK:
            return fileerror::text(Cause::ReadFailed);
        case ZIP_ER_OPEN:
            return fileerror::text(Cause::OpenFailed);
        default:
            return fileerror::text(Cause::FileSystem);
    }
}

QString italian(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = italian(&error);
    zip_error_fini(&error);
    return text;
}

}  // namespace

Writer::Writer(const QString& path) : path_(path) {
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive_) error_ = path + QStringLiteral(": ") + italian(code);
}

Writer::~Writer() {
    if (archive_) zip_discard(handle(archive_));
}

bool Writer::add(const QString& name, void* source) {
    zip_source_t* src = static_cast<zip_source_t*>(source);
    if (!src) {
        error_ = path_ + QStringLiteral(": ") + italian(zip_get_error(handle(archive_)));
        return false;
    }
    const zip_int64_t index = zip_file_add(handle(archive_), name.toUtf8().constData(), src,
                                           ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(src);
        error_ = path_ + QStringLiteral(": ") + italian(zip_get_error(handle(archive_)));
        return false;
    }
    // Info-ZIP's default level, plain deflate.
    zip_set_file_compression(handle(archive_), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 6);
    return true;
}

bool Writer::addFile(const QString& name, const QString& source) {
    if (!archive_) return false;
    return add(name,
               zip_source_file(handle(archive_), QFile::encodeName(source).constData(), 0, 0));
}

bool Writer::addBytes(const QString& name, const QByteArray& bytes) {
    if (!archive_) return false;
    buffers_.append(bytes);
    const QByteArray& kept = buffers_.last();
    return add(name, zip_source_buffer(handle(archive_), kept.constData(),
                                       static_cast<zip_uint64_t>(kept.size()), 0));
}

bool Writer::close(const WorkProgress& progress) {
    if (!archive_) return false;
    progress_ = progress;
    if (progress_) {
        zip_register_progress_callback_with_state(
            handle(archive_), 0.001,
            [](zip_t*, double done, void* self) {
                auto* writer = static_cast<Writer*>(self);
                if (!writer->cancelled_ && !writer->progress_(qint64(done * 1000), 1000)) {
                    writer->cancelled_ = true;
                }
            },
            nullptr, this);
        zip_register_cancel_callback_with_state(
            handle(archive_),
            [](zip_t*, void* self) { return static_cast<Writer*>(self)->cancelled_ ? 1 : 0; },
            nullptr, this);
    }
    if (zip_close(handle(archive_)) == 0) {
        archive_ = nullptr;
        return true;
    }
    error_ = path_ + QStringLiteral(": ") +
             (cancelled_ ? QStringLiteral("operazione annullata")
                         : italian(zip_get_error(handle(archive_))));
    zip_discard(handle(archive_));
    archive_ = nullptr;
    return false;
}

Reader::Reader(const QString& path) : path_(path) {}

Reader::~Reader() {
    if (archive_) zip_discard(handle(archive_));
}

bool Reader::open() {
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path_).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive_) {
        error_ = path_ + QStringLiteral(": ") + italian(code);
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(handle(archive_), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(handle(archive_), static_cast<zip_uint64_t>(i), 0, &st) != 0) {
            error_ = path_ + QStringLiteral(": ") + italian(zip_get_error(handle(archive_)));
            return false;
        }
        Entry entry;
        entry.name = QString::fromUtf8(st.name);
        entry.size = (st.valid & ZIP_STAT_SIZE) ? static_cast<qint64>(st.size) : 0;
        entry.isFolder = entry.name.endsWith(u'/');
        entries_.append(entry);
    }
    return true;
}

bool Reader::read(qsizetype index, const std::function<bool(QByteArrayView)>& sink) {
    if (!archive_ || index < 0 || index >= entries_.size()) return false;
    zip_file_t* file = zip_fopen_index(handle(archive_), static_cast<zip_uint64_t>(index), 0);
    const QString where =
        path_ + QStringLiteral(" (") + entries_.at(index).name + QStringLiteral("): ");
    if (!file) {
        error_ = where + italian(zip_get_error(handle(archive_)));
        return false;
    }
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    bool ok = true;
    for (;;) {
        const zip_int64_t n =
            zip_fread(file, buffer.data(), static_cast<zip_uint64_t>(buffer.size()));
        if (n < 0) {
            error_ = where + italian(zip_file_get_error(file));
            ok = false;
            break;
        }
        if (n == 0) break;
        if (!sink(QByteArrayView(buffer.constData(), n))) {
            ok = false;
            break;
        }
    }
    const int closed = zip_fclose(file);
    if (ok && closed != 0) {
        error_ = where + italian(closed);
        ok = false;
    }
    return ok;
}

bool Reader::readAll(qsizetype index, QByteArray* bytes, qint64 limit) {
    bytes->clear();
    bool tooLarge = false;
    const bool ok = read(index, [&](QByteArrayView piece) {
        if (bytes->size() + piece.size() > limit) {
            tooLarge = true;
            return false;
        }
        bytes->append(piece);
        return true;
    });
    if (tooLarge) {
        error_ = path_ + QStringLiteral(" (") + entries_.at(index).name +
                 QStringLiteral("): voce troppo grande");
    }
    return ok;
}

}  // namespace ziparchive
