#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <span>
#include <string_view>
#include <type_traits>

// Builds records byte by byte from a table of the documented offsets,
// written out by hand and never taken from the code under test: each field
// is its enumerator in the test's own enumeration, its name, its offset and
// its capacity N (N + 1 bytes in the file).

enum class FieldBytesEncoding {
    LengthPrefixed,  // a length byte, then the text
    ZeroTerminated,  // the text, then a zero byte
};

struct FieldBytes {
    int field;
    const char* name;
    int offset;
    int capacity;
};

struct RecordTable {
    int size;
    FieldBytesEncoding encoding;
    std::span<const FieldBytes> fields;
};

// True when the fields come in enumerator order, each right after the one
// before, and fill the record: so the offsets and the capacities of a table
// confirm each other.
constexpr bool fieldsFillTheRecord(const RecordTable& table) {
    int offset = 0;
    int field = 0;
    for (const FieldBytes& row : table.fields) {
        if (row.field != field++ || row.offset != offset || row.capacity < 1) return false;
        offset += row.capacity + 1;
    }
    return offset == table.size;
}

class RecordBytes {
public:
    explicit RecordBytes(const RecordTable& table) : bytes(table.size, '\0'), table_(table) {}

    // Writes a field's Windows-1252 bytes at its offset, as the encoding
    // of the table lays them. The field is named by its enumerator or by
    // its name.
    template <typename Field>
    requires std::is_enum_v<Field> RecordBytes& set(Field field, const QByteArray& cp1252Text) {
        for (const FieldBytes& row : table_.fields) {
            if (row.field == static_cast<int>(field)) return setField(row, cp1252Text);
        }
        ADD_FAILURE() << "no field " << static_cast<int>(field) << " in the table";
        return *this;
    }
    RecordBytes& set(std::string_view name, const QByteArray& cp1252Text) {
        for (const FieldBytes& row : table_.fields) {
            if (name == row.name) return setField(row, cp1252Text);
        }
        ADD_FAILURE() << "no field " << name << " in the table";
        return *this;
    }

    QByteArray bytes;

private:
    RecordBytes& setField(const FieldBytes& row, const QByteArray& text) {
        if (text.size() > row.capacity) {
            ADD_FAILURE() << row.name << " holds " << row.capacity << " bytes, not " << text.size();
            return *this;
        }
        qsizetype start = row.offset;
        if (table_.encoding == FieldBytesEncoding::LengthPrefixed) {
            bytes[start++] = static_cast<char>(text.size());
        }
        bytes.replace(start, text.size(), text);
        if (table_.encoding == FieldBytesEncoding::ZeroTerminated)
            bytes[start + text.size()] = '\0';
        return *this;
    }

    RecordTable table_;
};

// Writes a record file of the test's records, each built by `bytesOf`.
template <typename Record, typename BytesOf>
bool writeRecords(const QString& path, const QList<Record>& records, BytesOf bytesOf) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    for (const Record& record : records) {
        if (file.write(bytesOf(record)) < 0) return false;
    }
    return true;
}
