#include "import/CsvReader.h"

#include <csv.h>

#include <cstring>

struct CsvReader::Parser {
    csv_parser state{};
};

namespace {

// Nothing is trimmed: a cell keeps its blanks, as the file holds them.
int noSpace(unsigned char) {
    return 0;
}

// libcsv's state of a row not yet begun.
constexpr int kRowNotBegun = 0;

}  // namespace

CsvReader::CsvReader(char separator, RowSink sink)
    : parser_(std::make_unique<Parser>()), sink_(std::move(sink)) {
    csv_init(&parser_->state, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser_->state, static_cast<unsigned char>(separator));
    csv_set_quote(&parser_->state, '"');
    csv_set_space_func(&parser_->state, &noSpace);
    // Rows end at CR or LF: libcsv's own terminators, tested inline (a
    // function of ours would be called for every byte).
}

CsvReader::~CsvReader() {
    csv_free(&parser_->state);
}

void CsvReader::cell(void* bytes, std::size_t size, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    const char* text = static_cast<const char*>(bytes);
    // The guard of a cell a spreadsheet would take for a formula ("'=...",
    // also "''..." for a text that began with "'"), as the export writes it.
    if (text && size >= 2 && text[0] == '\'' && std::memchr("=+-@\t\r'", text[1], 7)) {
        ++text;
        --size;
    }
    if (text) reader->bytes_.append(text, size);
    reader->ends_.push_back(qsizetype(reader->bytes_.size()));
}

void CsvReader::rowEnd(int, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    reader->views_.clear();
    qsizetype start = 0;
    for (const qsizetype end : reader->ends_) {
        reader->views_.append(QByteArrayView(reader->bytes_.data() + start, end - start));
        start = end;
    }
    if (!reader->stopped_ && !reader->sink_(reader->rowLine_, reader->views_)) {
        reader->stopped_ = true;
    }
    reader->bytes_.clear();
    reader->ends_.clear();
}

bool CsvReader::feed(QByteArrayView line, qint64 number) {
    if (stopped_) return false;
    if (parser_->state.pstate == kRowNotBegun) rowLine_ = number;
    const std::size_t used =
        csv_parse(&parser_->state, line.data(), std::size_t(line.size()), &cell, &rowEnd, this);
    return used == std::size_t(line.size()) && !stopped_;
}

bool CsvReader::finish() {
    if (stopped_) return false;
    return csv_fini(&parser_->state, &cell, &rowEnd, this) == 0 && !stopped_;
}

qint64 CsvReader::openRowLine() const {
    return parser_->state.pstate == kRowNotBegun ? 0 : rowLine_;
}

namespace csvtext {

char detectSeparator(QByteArrayView headerLine) {
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (const char c : headerLine) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        semicolons += c == ';';
        commas += c == ',';
        tabs += c == '\t';
    }
    if (tabs > semicolons && tabs > commas) return '\t';
    if (commas > semicolons) return ',';
    return ';';
}

}  // namespace csvtext
