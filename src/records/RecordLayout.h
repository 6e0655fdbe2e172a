#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <span>
#include <type_traits>

// How the fields of one record file are stored.
enum class FieldEncoding {
    // One length byte, then up to N characters (N + 1 bytes). Texts are
    // trimmed when saved and when loaded into a card.
    LengthPrefixed,
    // Up to N characters followed by a zero byte (N + 1 bytes). Texts are
    // stored and loaded as typed.
    ZeroTerminated,
};

// One field of a record: its name in the record type, its capacity N in
// characters and the name of the card control bound to it.
struct FieldSpec {
    const char* name;
    int capacity;
    const char* control;
};

// The field texts of one record, in layout order.
using FieldValues = QStringList;

// A record file's layout: the fields in file order and their encoding.
struct RecordLayout {
    const char* fileName;
    FieldEncoding encoding;
    std::span<const FieldSpec> fields;

    qsizetype recordSize() const;
    qsizetype offsetOf(qsizetype fieldIndex) const;
    // Index of the field with the given field or control name, -1 if none.
    qsizetype indexOfField(QStringView name) const;
    qsizetype indexOfControl(QStringView control) const;
};

// Record size of a field table, usable in static_assert.
template <std::size_t N>
constexpr int recordSizeOf(const std::array<FieldSpec, N>& fields) {
    int size = 0;
    for (const FieldSpec& f : fields) size += f.capacity + 1;
    return size;
}

// A field of a record layout, named through the enumeration of its record
// type (TRecCacciatore::Field::Cognome), never by a string or a bare
// number, so a mistyped field does not compile.
struct FieldId {
    template <typename E>
    requires std::is_enum_v<E>
    constexpr FieldId(E field) : index(static_cast<qsizetype>(field)) {}
    qsizetype index;
};

// A record type is declared once, as a list macro F(Field, capacity, control);
// these expand it into the struct members, the field table and the
// conversions between the struct and its FieldValues.
#define SELVADORO_DECLARE_MEMBER(field, capacity, control) QString field;
#define SELVADORO_FIELD_ENUMERATOR(field, capacity, control) field,
// The members of a record type, and its field enumeration in file order.
#define SELVADORO_RECORD_FIELDS(FIELDS)                             \
    FIELDS(SELVADORO_DECLARE_MEMBER)                                \
    struct Field {                                                  \
        enum Id : int { FIELDS(SELVADORO_FIELD_ENUMERATOR) Count }; \
    };
#define SELVADORO_FIELD_SPEC(field, capacity, control) FieldSpec{#field, capacity, #control},
#define SELVADORO_TO_VALUE(field, capacity, control) values.append(record.field);
#define SELVADORO_FROM_VALUE(field, capacity, control)                   \
    record.field = index < values.size() ? values.at(index) : QString(); \
    ++index;

// The three attachment slots (file and description), stored last by the
// cards that have attachments: F(field, capacity, control) rows.
#define SELVADORO_ATTACHMENT_FIELDS(F) \
    F(File01, 250, lblFile01)          \
    F(File02, 250, lblFile02)          \
    F(File03, 250, lblFile03)          \
    F(Desc01, 250, lblDesc01)          \
    F(Desc02, 250, lblDesc02)          \
    F(Desc03, 250, lblDesc03)

// The body of a record type: its members, its field enumeration, its
// layout and the conversions to and from its texts in file order.
#define SELVADORO_RECORD_TYPE(Type, FIELDS)            \
    SELVADORO_RECORD_FIELDS(FIELDS)                    \
    static const RecordLayout& layout();               \
    static Type fromValues(const FieldValues& values); \
    FieldValues toValues() const;

// Defines a record type's layout() over its field table (checked against
// the documented record size), fromValues() and toValues(). Use once, in
// the record type's .cpp file.
#define SELVADORO_DEFINE_RECORD(Type, FIELDS, kFile, kEncoding, kSize)           \
    namespace {                                                                  \
    constexpr std::array k##Type##Fields{FIELDS(SELVADORO_FIELD_SPEC)};          \
    static_assert(recordSizeOf(k##Type##Fields) == (kSize));                     \
    static_assert(Type::Field::Count == k##Type##Fields.size());                 \
    }                                                                            \
    const RecordLayout& Type::layout() {                                         \
        static const RecordLayout layout{(kFile), (kEncoding), k##Type##Fields}; \
        return layout;                                                           \
    }                                                                            \
    Type Type::fromValues(const FieldValues& values) {                           \
        Type record;                                                             \
        qsizetype index = 0;                                                     \
        FIELDS(SELVADORO_FROM_VALUE)                                             \
        return record;                                                           \
    }                                                                            \
    FieldValues Type::toValues() const {                                         \
        const Type& record = *this;                                              \
        FieldValues values;                                                      \
        values.reserve(static_cast<qsizetype>(k##Type##Fields.size()));          \
        FIELDS(SELVADORO_TO_VALUE)                                               \
        return values;                                                           \
    }
