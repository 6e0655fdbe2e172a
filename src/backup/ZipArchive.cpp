#include "backup/ZipArchive.h"

#include <sys/stat.h>
#include <zip.h>
#include <zlib.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

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
        case ZIP_ER_EXISTS:
            return QStringLiteral("una voce è ripetuta");
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

// The entries of a Writer, compressed in pieces on several threads as pigz
// does: each piece of 1 MiB is deflated on its own, primed with the last
// 32 KiB before it as dictionary, and ends on a byte boundary (a sync
// flush), the last one of an entry with the end of the stream; one after
// the other they are one plain deflate stream, as if compressed whole. The
// library writes them as they are (a source already compressed), reading
// them on the calling thread in the order of the entries, while the
// threads compress the pieces ahead, a few at most.
class ParallelDeflate {
public:
    static constexpr qint64 kPiece = 1 << 20;
    static constexpr qint64 kDictionary = 32 * 1024;

    struct Input {
        ParallelDeflate* owner = nullptr;
        QString source;  // a file, or empty for `bytes`
        QByteArray bytes;
        qint64 size = 0;
        qint64 mtime = -1;
        mode_t mode = 0;  // a file's type and permissions, kept in its entry
        qint64 firstPiece = 0;
        qint64 pieces = 0;
        // What the library has read of it.
        qint64 nextPiece = 0;
        qint64 offsetInPiece = 0;
        uLong crc = 0;
        qint64 compressed = 0;
        bool finished = false;
    };

    std::vector<std::unique_ptr<Input>> owned;  // every input added
    std::vector<Input*> inputs;                 // those of the entries, in their order
    WorkProgress progress;
    bool cancelled = false;
    QString error;  // a piece that could not be read or compressed

    ~ParallelDeflate() {
        stop();
        zip_error_fini(&zipError_);
    }

    // Measures the entries and starts the threads.
    bool start() {
        total_ = 0;
        pieces_.clear();
        for (Input* input : inputs) {
            if (!input->source.isEmpty()) {
                const QFileInfo info(input->source);
                if (!info.isFile()) {
                    error = input->source + QStringLiteral(": ") +
                            fileerror::text(fileerror::Cause::Missing);
                    return false;
                }
                input->size = info.size();
                input->mtime = info.lastModified().toSecsSinceEpoch();
                struct stat st {};
                if (::stat(QFile::encodeName(input->source).constData(), &st) == 0) {
                    input->mode = st.st_mode;
                }
            } else {
                input->size = input->bytes.size();
            }
            input->firstPiece = static_cast<qint64>(pieces_.size());
            input->pieces = qMax<qint64>(1, (input->size + kPiece - 1) / kPiece);
            for (qint64 i = 0; i < input->pieces; ++i) pieces_.push_back({input, i * kPiece});
            input->nextPiece = input->firstPiece;
            total_ += input->size;
        }
        next_ = 0;
        released_ = 0;
        nextInput_ = 0;
        done_ = 0;
        const int threads = std::clamp(QThread::idealThreadCount(), 1, 8);
        slots_.assign(static_cast<size_t>(4 * threads), Result{});
        const qint64 count = qMin<qint64>(threads, static_cast<qint64>(pieces_.size()));
        for (qint64 i = 0; i < count; ++i) threads_.emplace_back([this] { work(); });
        return true;
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        // The threads wait for room ahead of the reading.
        free_.notify_all();
        for (std::thread& thread : threads_) thread.join();
        threads_.clear();
        stopping_ = false;
    }

    // The library's source of `input`, already deflated.
    static zip_int64_t source(void* state, void* data, zip_uint64_t length,
                              zip_source_cmd_t command) {
        auto* input = static_cast<Input*>(state);
        switch (command) {
            case ZIP_SOURCE_OPEN:
                return input->owner->open(input);
            case ZIP_SOURCE_READ:
                return input->owner->read(input, static_cast<char*>(data), length);
            case ZIP_SOURCE_CLOSE:
                return 0;
            case ZIP_SOURCE_STAT: {
                auto* st = static_cast<zip_stat_t*>(data);
                zip_stat_init(st);
                st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD;
                st->size = static_cast<zip_uint64_t>(input->size);
                st->comp_method = ZIP_CM_DEFLATE;
                if (input->mtime >= 0) {
                    st->valid |= ZIP_STAT_MTIME;
                    st->mtime = static_cast<time_t>(input->mtime);
                }
                if (input->finished) {
                    st->valid |= ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC;
                    st->comp_size = static_cast<zip_uint64_t>(input->compressed);
                    st->crc = static_cast<zip_uint32_t>(input->crc);
                }
                return sizeof(zip_stat_t);
            }
            case ZIP_SOURCE_GET_FILE_ATTRIBUTES: {
                // As the library's own file source says them.
                auto* attributes = static_cast<zip_file_attributes_t*>(data);
                zip_file_attributes_init(attributes);
                if (input->mode != 0) {
                    attributes->valid = ZIP_FILE_ATTRIBUTES_HOST_SYSTEM |
                                        ZIP_FILE_ATTRIBUTES_EXTERNAL_FILE_ATTRIBUTES;
                    attributes->host_system = ZIP_OPSYS_UNIX;
                    attributes->external_file_attributes =
                        (static_cast<zip_uint32_t>(input->mode) << 16) |
                        ((input->mode & S_IWUSR) ? 0 : 1);
                }
                return sizeof(zip_file_attributes_t);
            }
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&input->owner->zipError_, data, length);
            case ZIP_SOURCE_FREE:
                return 0;
            case ZIP_SOURCE_SUPPORTS:
                return zip_source_make_command_bitmap(
                    ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                    ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_GET_FILE_ATTRIBUTES,
                    ZIP_SOURCE_SUPPORTS, -1);
            default:
                zip_error_set(&input->owner->zipError_, ZIP_ER_OPNOTSUPP, 0);
                return -1;
        }
    }

    ParallelDeflate() { zip_error_init(&zipError_); }
    ParallelDeflate(const ParallelDeflate&) = delete;
    ParallelDeflate& operator=(const ParallelDeflate&) = delete;

private:
    struct Piece {
        Input* input;
        qint64 offset;
    };
    struct Result {
        bool ready = false;
        QByteArray deflated;
        uLong crc = 0;
        qint64 length = 0;
        QString error;
    };

    // The entries are read once each, whole, in their order: the piece
    // waited for is always the first one not read, which a thread takes.
    zip_int64_t open(Input* input) {
        if (nextInput_ >= inputs.size() || inputs.at(nextInput_) != input ||
            input->nextPiece != input->firstPiece || released_ != input->firstPiece) {
            zip_error_set(&zipError_, ZIP_ER_INTERNAL, 0);
            return -1;
        }
        ++nextInput_;
        input->crc = crc32(0, nullptr, 0);
        return 0;
    }

    zip_int64_t read(Input* input, char* data, zip_uint64_t length) {
        zip_uint64_t copied = 0;
        while (copied < length && input->nextPiece < input->firstPiece + input->pieces) {
            const qint64 piece = input->nextPiece;
            Result& result = slots_.at(static_cast<size_t>(piece) % slots_.size());
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [&] { return result.ready; });
            }
            if (!result.error.isEmpty()) {
                error = result.error;
                zip_error_set(&zipError_, ZIP_ER_READ, 0);
                return -1;
            }
            const qint64 n = qMin<qint64>(static_cast<qint64>(length - copied),
                                          result.deflated.size() - input->offsetInPiece);
            std::memcpy(data + copied, result.deflated.constData() + input->offsetInPiece,
                        static_cast<size_t>(n));
            copied += static_cast<zip_uint64_t>(n);
            input->offsetInPiece += n;
            if (input->offsetInPiece < result.deflated.size()) continue;
            input->crc = crc32_combine(input->crc, result.crc, result.length);
            input->compressed += result.deflated.size();
            done_ += result.length;
            input->offsetInPiece = 0;
            ++input->nextPiece;
            {
                std::lock_guard lock(mutex_);
                result.ready = false;
                result.deflated = QByteArray();
                ++released_;
            }
            free_.notify_all();
            if (progress && !progress(done_, total_)) {
                cancelled = true;
                zip_error_set(&zipError_, ZIP_ER_CANCELLED, 0);
                return -1;
            }
        }
        if (input->nextPiece == input->firstPiece + input->pieces) input->finished = true;
        return static_cast<zip_int64_t>(copied);
    }

    // A thread: takes the next piece while few enough are waiting to be
    // read, and deflates it.
    void work() {
        z_stream stream{};
        if (deflateInit2(&stream, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
            stream.state = nullptr;
        }
        QByteArray buffer;
        QFile file;
        for (;;) {
            qint64 index = 0;
            {
                std::unique_lock lock(mutex_);
                free_.wait(lock, [&] {
                    return stopping_ || next_ >= static_cast<qint64>(pieces_.size()) ||
                           next_ < released_ + static_cast<qint64>(slots_.size());
                });
                if (stopping_ || next_ >= static_cast<qint64>(pieces_.size())) break;
                index = next_++;
            }
            Result result;
            deflatePiece(pieces_.at(static_cast<size_t>(index)), &stream, &buffer, &file, &result);
            {
                std::lock_guard lock(mutex_);
                Result& slot = slots_.at(static_cast<size_t>(index) % slots_.size());
                slot = std::move(result);
                slot.ready = true;
            }
            ready_.notify_all();
        }
        if (stream.state) deflateEnd(&stream);
    }

    static void deflatePiece(const Piece& piece, z_stream* stream, QByteArray* buffer, QFile* file,
                             Result* result) {
        const Input& input = *piece.input;
        const qint64 from = qMax<qint64>(0, piece.offset - kDictionary);
        const qint64 length = qMin(kPiece, input.size - piece.offset);
        const char* bytes = nullptr;
        if (input.source.isEmpty()) {
            bytes = input.bytes.constData() + from;
        } else {
            if (file->fileName() != input.source || !file->isOpen()) {
                file->close();
                file->setFileName(input.source);
                if (!file->open(QIODevice::ReadOnly)) {
                    result->error = input.source + QStringLiteral(": ") + fileerror::of(*file);
                    return;
                }
            }
            const qint64 wanted = piece.offset + length - from;
            if (buffer->size() < wanted) buffer->resize(wanted);
            qint64 got = 0;
            if (file->seek(from)) {
                while (got < wanted) {
                    const qint64 n = file->read(buffer->data() + got, wanted - got);
                    if (n <= 0) break;
                    got += n;
                }
            }
            if (got < wanted) {
                result->error = input.source + QStringLiteral(": ") +
                                (file->error() != QFileDevice::NoError
                                     ? fileerror::of(*file)
                                     : fileerror::text(fileerror::Cause::Shrunk));
                return;
            }
            bytes = buffer->constData();
        }
        if (!stream->state || deflateReset(stream) != Z_OK) {
            result->error = fileerror::text(fileerror::Cause::ResourcesExhausted);
            return;
        }
        const qint64 dictionary = piece.offset - from;
        if (dictionary > 0) {
            deflateSetDictionary(stream, reinterpret_cast<const Bytef*>(bytes),
                                 static_cast<uInt>(dictionary));
        }
        const bool last = piece.offset + length == input.size;
        const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
        stream->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes + dictionary));
        stream->avail_in = static_cast<uInt>(length);
        result->deflated.resize(
            static_cast<qsizetype>(deflateBound(stream, static_cast<uLong>(length))) + 64);
        qsizetype written = 0;
        for (;;) {
            stream->next_out = reinterpret_cast<Bytef*>(result->deflated.data() + written);
            stream->avail_out = static_cast<uInt>(result->deflated.size() - written);
            const int code = deflate(stream, flush);
            written = result->deflated.size() - stream->avail_out;
            if (code == Z_STREAM_ERROR) {
                result->error = fileerror::text(fileerror::Cause::ResourcesExhausted);
                return;
            }
            const bool complete = last ? code == Z_STREAM_END : stream->avail_out != 0;
            if (complete) break;
            result->deflated.resize(result->deflated.size() * 2);
        }
        result->deflated.truncate(written);
        result->crc =
            crc32(0, reinterpret_cast<const Bytef*>(bytes + dictionary), static_cast<uInt>(length));
        result->length = length;
    }

    std::vector<Piece> pieces_;
    std::vector<Result> slots_;  // piece n in slot n % size, until read
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable ready_;  // a piece is deflated
    std::condition_variable free_;   // a piece is read
    qint64 next_ = 0;                // the next piece to deflate
    qint64 released_ = 0;            // the pieces read
    bool stopping_ = false;
    size_t nextInput_ = 0;
    qint64 total_ = 0;
    qint64 done_ = 0;
    zip_error_t zipError_;
};

Writer::Writer(const QString& path) : deflate_(std::make_unique<ParallelDeflate>()), path_(path) {
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive_) error_ = path + QStringLiteral(": ") + italian(code);
}

Writer::~Writer() {
    if (archive_) zip_discard(handle(archive_));
}

bool Writer::add(const QString& name, const QString& source, const QByteArray& bytes) {
    if (!archive_) return false;
    auto input = std::make_unique<ParallelDeflate::Input>();
    input->owner = deflate_.get();
    input->source = source;
    input->bytes = bytes;
    zip_source_t* src =
        zip_source_function(handle(archive_), &ParallelDeflate::source, input.get());
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
    // An entry that replaces another takes its place (the source it
    // replaces, freed by the library, is never read).
    auto& inputs = deflate_->inputs;
    const auto at = static_cast<size_t>(index);
    if (at < inputs.size()) {
        inputs[at] = input.get();
    } else {
        inputs.push_back(input.get());
    }
    deflate_->owned.push_back(std::move(input));
    return true;
}

bool Writer::addFile(const QString& name, const QString& source) {
    return add(name, source, {});
}

bool Writer::addBytes(const QString& name, const QByteArray& bytes) {
    return add(name, {}, bytes);
}

bool Writer::close(const WorkProgress& progress) {
    if (!archive_) return false;
    deflate_->progress = progress;
    const bool started = deflate_->start();
    const bool closed = started && zip_close(handle(archive_)) == 0;
    deflate_->stop();
    if (closed) {
        archive_ = nullptr;
        return true;
    }
    cancelled_ = deflate_->cancelled;
    if (cancelled_) {
        error_ = path_ + QStringLiteral(": operazione annullata");
    } else if (!deflate_->error.isEmpty()) {
        error_ = deflate_->error;
    } else {
        error_ = path_ + QStringLiteral(": ") + italian(zip_get_error(handle(archive_)));
    }
    zip_discard(handle(archive_));
    archive_ = nullptr;
    return false;
}

Reader::Reader(const QString& path) : path_(path) {}

Reader::~Reader() {
    if (archive_) zip_discard(handle(archive_));
}

bool Reader::open() {
    if (QFileInfo(path_).isDir()) {
        error_ = path_ + QStringLiteral(": ") + fileerror::text(Cause::IsAFolder);
        return false;
    }
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path_).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    // The check refuses a name stored twice without naming it: the zip is
    // read again without the check, only to name it.
    const bool repeated = !archive_ && code == ZIP_ER_EXISTS;
    if (repeated) archive_ = zip_open(QFile::encodeName(path_).constData(), ZIP_RDONLY, &code);
    if (!archive_) {
        error_ = path_ + QStringLiteral(": ") + italian(code);
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(handle(archive_), 0);
    QSet<QString> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(handle(archive_), static_cast<zip_uint64_t>(i), 0, &st) != 0) {
            error_ = path_ + QStringLiteral(": ") + italian(zip_get_error(handle(archive_)));
            return false;
        }
        Entry entry;
        entry.name = QString::fromUtf8(st.name);
        entry.size = (st.valid & ZIP_STAT_SIZE) ? static_cast<qint64>(qMin<zip_uint64_t>(
                                                      st.size, std::numeric_limits<qint64>::max()))
                                                : 0;
        entry.isFolder = entry.name.endsWith(u'/');
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(handle(archive_), static_cast<zip_uint64_t>(i), 0,
                                             &system, &attributes) == 0 &&
            system == ZIP_OPSYS_UNIX) {
            const auto type = static_cast<mode_t>(attributes >> 16) & S_IFMT;
            entry.isSpecial = type != 0 && type != S_IFREG && type != S_IFDIR;
        }
        if (names.contains(entry.name)) {
            error_ = path_ + QStringLiteral(": la voce %1 è ripetuta").arg(entry.name);
            return false;
        }
        names.insert(entry.name);
        entries_.append(entry);
    }
    if (repeated) {  // never reached: the check names no other cause
        error_ = path_ + QStringLiteral(": ") + italian(ZIP_ER_EXISTS);
        return false;
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

namespace {

// An entry read through zip_fread as its reader asks.
class EntryDevice : public QIODevice {
public:
    EntryDevice(zip_file_t* file, QString where) : file_(file), where_(std::move(where)) {
        open(QIODevice::ReadOnly);
    }
    ~EntryDevice() override { zip_fclose(file_); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override {
        const zip_int64_t n = zip_fread(file_, data, static_cast<zip_uint64_t>(size));
        if (n < 0) setErrorString(where_ + italian(zip_file_get_error(file_)));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file_t* file_;
    QString where_;
};

}  // namespace

std::unique_ptr<QIODevice> Reader::device(qsizetype index) {
    if (!archive_ || index < 0 || index >= entries_.size()) return nullptr;
    zip_file_t* file = zip_fopen_index(handle(archive_), static_cast<zip_uint64_t>(index), 0);
    const QString where =
        path_ + QStringLiteral(" (") + entries_.at(index).name + QStringLiteral("): ");
    if (!file) {
        error_ = where + italian(zip_get_error(handle(archive_)));
        return nullptr;
    }
    return std::make_unique<EntryDevice>(file, where);
}

qsizetype Reader::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_.at(i).name == name) return i;
    }
    return -1;
}

}  // namespace ziparchive
