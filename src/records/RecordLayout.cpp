#include "records/RecordLayout.h"

qsizetype RecordLayout::recordSize() const {
    qsizetype size = 0;
    for (const FieldSpec& f : fields) size += f.capacity + 1;
    return size;
}

qsizetype RecordLayout::offsetOf(qsizetype fieldIndex) const {
    qsizetype offset = 0;
    for (qsizetype i = 0; i < fieldIndex; ++i) offset += fields[i].capacity + 1;
    return offset;
}

qsizetype RecordLayout::indexOfField(QStringView name) const {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (name == QLatin1StringView(fields[i].name)) return static_cast<qsizetype>(i);
    }
    return -1;
}

qsizetype RecordLayout::indexOfControl(QStringView control) const {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (control == QLatin1StringView(fields[i].control)) return static_cast<qsizetype>(i);
    }
    return -1;
}
