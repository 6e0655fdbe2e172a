#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "records/RecordFile.h"
#include "records/RecordLayout.h"

// The lines of search results and summaries. A line is the item text of one
// record, fixed-width, and carries that record's number, so that choosing a
// line opens exactly that record.
struct ListLine {
    qsizetype record = 0;
    QString text;
    bool operator==(const ListLine&) const = default;
};

// How a list compares letters whatever their case: every letter as Unicode
// folds it, or only the letters A to Z lowered, accented capitals compared
// as they are. A setting of each archive's lists.
enum class CaseFolding { AllLetters, AtoZ };

// The lines of a list, held compactly: every text in one block of UTF-8
// bytes, and for each line its record number and where its text lies. A
// line's text becomes a QString only when it is asked for (to paint, print
// or compare it), so a list costs about the size of its texts.
class ListLines {
public:
    ListLines() = default;
    ListLines(std::initializer_list<ListLine> lines);
    ListLines(const QList<ListLine>& lines);  // NOLINT: a list of lines is lines

    qsizetype size() const { return qsizetype(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    ListLine at(qsizetype i) const { return {record(i), text(i)}; }
    ListLine front() const { return at(0); }
    qsizetype record(qsizetype i) const { return entries_[std::size_t(i)].record; }
    QString text(qsizetype i) const { return QString::fromUtf8(utf8(i)); }
    QByteArrayView utf8(qsizetype i) const {
        const Entry& e = entries_[std::size_t(i)];
        return QByteArrayView(texts_.constData() + e.offset, e.size);
    }

    void append(qsizetype record, QStringView text);
    void append(const ListLine& line) { append(line.record, line.text); }
    // A line written in place: the caller appends its UTF-8 text to the
    // block beginLine() gives, then endLine() takes the line from `start`,
    // the block's size before.
    QByteArray& beginLine() { return texts_; }
    void endLine(qsizetype record, qsizetype start);
    // Room for `lines` lines, taken from memory only as they come.
    void reserve(qsizetype lines) { entries_.reserve(std::size_t(lines)); }
    void clear();

    // Ascending alphabetical order of the texts, letter case ignored as
    // `folding` says (then case, then record number, so the order is always
    // the same).
    void sort(CaseFolding folding);

    QList<ListLine> toList() const;
    bool operator==(const ListLines& other) const;

    class const_iterator {
    public:
        using value_type = ListLine;
        using difference_type = qsizetype;
        using iterator_category = std::forward_iterator_tag;
        using pointer = void;
        using reference = ListLine;
        const_iterator(const ListLines* lines, qsizetype i) : lines_(lines), i_(i) {}
        ListLine operator*() const { return lines_->at(i_); }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return i_ == other.i_; }

    private:
        const ListLines* lines_;
        qsizetype i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Entry {
        qsizetype record;
        qsizetype offset;
        qsizetype size;
    };
    QByteArray texts_;
    std::vector<Entry> entries_;
};

// The item text of a record, from its field texts as loaded (trimmed for
// length-prefixed archives).
using ItemTextFn = std::function<QString(const FieldValues&)>;

// x cut, or padded with blanks, to exactly w characters.
QString pad(const QString& x, qsizetype width);

// An item text as a table: pieces, each a prefix and then the trimmed
// texts of one or more fields joined by a blank, padded or cut to a width
// (0: as long as it is). The fields it reads are known, so a list decodes
// only those.
class ItemFormat {
public:
    struct Piece {
        const char* prefix;
        std::initializer_list<FieldId> fields;
        qsizetype width = 0;
    };
    explicit ItemFormat(std::initializer_list<Piece> pieces);

    QString operator()(const FieldValues& values) const;
    const QList<qsizetype>& fields() const { return fields_; }

    // The same text written as UTF-8 straight from a record's bytes of
    // `layout`, without decoding its fields: what operator() gives for the
    // record's loaded values.
    class Writer {
    public:
        Writer(const ItemFormat& format, const RecordLayout& layout);
        void append(QByteArrayView record, QByteArray& out) const;

    private:
        struct Slot {
            qsizetype offset;
            int capacity;
        };
        struct Part {
            QByteArray prefix;  // followed by eight spare bytes
            QList<Slot> fields;
            qsizetype width;
            qsizetype prefixSize = 0;
        };
        FieldEncoding encoding_;
        QList<Part> parts_;
        qsizetype longest_ = 0;  // the most bytes a line can take
    };

private:
    struct Part {
        QString prefix;
        QList<qsizetype> fields;
        qsizetype width;
    };
    QList<Part> parts_;
    QList<qsizetype> fields_;
};

// The field texts of a record buffer as a card would show them. With
// `only`, just those fields are decoded and the others stay empty.
FieldValues loadedValues(const RecordLayout& layout, QByteArrayView record,
                         const QList<qsizetype>* only = nullptr);

// Loads some fields of record after record into the same texts, as
// loadedValues shows them, reusing their memory: for a scan that reads a
// few fields of every record.
class FieldLoader {
public:
    FieldLoader(const RecordLayout& layout, const QList<qsizetype>& fields);
    // The texts of the record's fields (the others stay empty); valid until
    // the next call.
    const FieldValues& load(QByteArrayView record);

private:
    struct Slot {
        qsizetype field;
        qsizetype offset;
        int capacity;
    };
    const RecordLayout& layout_;
    QList<Slot> slots_;
    FieldValues values_;
};

struct ListResult {
    ListLines lines;  // in list order
    bool ok = true;   // false: the file could not be used (lines read so far kept)
    QString error;
    bool cancelled = false;  // the user stopped the scan: the lines are not the whole list
};

// The text lower-cased as `folding` compares it.
QString foldCase(const QString& text, CaseFolding folding);

// One search criterion: the field it looks in and the text typed.
struct Criterion {
    qsizetype field;
    QString text;
};

// Whether a criterion is in use: its trimmed text is not empty.
bool inUse(const Criterion& criterion);

// Number of criteria in use.
qsizetype criteriaInUse(const QList<Criterion>& criteria);

// True when the record matches: every criterion in use occurs, lower-cased
// and as typed (blanks included), within the lower-cased field. A criterion
// of blanks only is not in use and counts for nothing. With no criterion in
// use every record matches. Letters are compared as `folding` says. This
// is the rule on the texts as loaded; searchRecords applies it to the
// stored bytes and must find the same records.
bool matches(const FieldValues& values, const QList<Criterion>& criteria,
             CaseFolding folding = CaseFolding::AllLetters);

// Scans the archive and lists the matching records, sorted. The criteria
// are compared on the stored bytes, and only the records that match are
// made into lines, straight from their bytes.
ListResult searchRecords(const RecordLayout& layout, const QString& path,
                         const QList<Criterion>& criteria, const ItemFormat& itemText,
                         CaseFolding folding = CaseFolding::AllLetters,
                         const ScanProgress& progress = {});

// Whether a summary lists a record. A record whose values the condition
// cannot read (a damaged date) is left out, and the list goes on.
using ConditionFn = std::function<bool(const FieldValues&)>;

// Scans the archive and lists the records the condition includes, sorted.
// A failure of the file stops the list silently with what was read (ok is
// false then). Only `conditionFields` are decoded for the condition; the
// lines are made straight from the bytes of the records it includes.
ListResult summaryRecords(const RecordLayout& layout, const QString& path,
                          const ConditionFn& condition, const QList<qsizetype>& conditionFields,
                          const ItemFormat& itemText, CaseFolding folding = CaseFolding::AllLetters,
                          const ScanProgress& progress = {});

// Counts in `*count` the records of the archive the condition includes,
// decoding only `conditionFields` for it. False when the file could not be
// read whole (the records read so far are counted); a `progress` that asks
// to stop stops the count there.
bool countRecords(const RecordLayout& layout, const QString& path, const ConditionFn& condition,
                  const QList<qsizetype>& conditionFields, qsizetype* count,
                  const ScanProgress& progress = {});

// A list of lines put in the order of ListLines::sort.
void sortLines(QList<ListLine>& lines, CaseFolding folding = CaseFolding::AllLetters);

// Find-in-list: the index to select for `text` given the selected index
// (-1 for none: the first line counts as selected) and the memory of the
// last text searched, which it updates. A new text starts at the first
// line, the same text again starts after the selected line, both wrapping
// around; when nothing matches the selection stays. -1 for an empty list.
// Letters are compared as `folding` says.
qsizetype findInList(const ListLines& lines, qsizetype selected, const QString& text,
                     QString& memory, CaseFolding folding = CaseFolding::AllLetters);

// The record a chosen line stands for, with its texts as loaded: the
// record of the line's number when it still gives the same item text;
// otherwise (the file changed) the last record whose item text, trimmed,
// equals the line's. std::nullopt when none does or the file cannot be read.
struct FoundRecord {
    qsizetype number;
    FieldValues values;
};
std::optional<FoundRecord> recordForLine(const RecordLayout& layout, const QString& path,
                                         const ListLine& line, const ItemTextFn& itemText);
