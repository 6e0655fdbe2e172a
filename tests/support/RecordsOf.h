#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QList>
#include <QString>
#include <initializer_list>
#include <utility>

#include "records/RecordCodec.h"

// A record of type Record with only the given fields filled.
template <typename Record>
FieldValues recordWith(std::initializer_list<std::pair<FieldId, QString>> fields) {
    FieldValues values(qsizetype(Record::layout().fields.size()));
    for (const auto& [field, text] : fields) values[field.index] = text;
    return values;
}

// An archive file holding exactly these records.
template <typename Record>
void writeRecords(const QString& path, const QList<FieldValues>& records) {
    QByteArray bytes;
    for (const FieldValues& values : records) bytes += codec::encode(Record::layout(), values);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
