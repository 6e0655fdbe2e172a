#include "archive/ListDefinitions.h"

#include "base/TextRules.h"

const PickerMode* SearchDefinition::picker(const QString& tag) const {
    for (const PickerMode& mode : pickers) {
        if (tag == QLatin1String(mode.tag)) return &mode;
    }
    return nullptr;
}

QList<Criterion> SearchDefinition::criteriaWith(const QStringList& texts) const {
    QList<Criterion> result;
    for (qsizetype i = 0; i < criteria.size(); ++i) {
        result.append(
            {layout->indexOfField(QString::fromLatin1(criteria.at(i).field)), texts.value(i)});
    }
    return result;
}

ListResult SearchDefinition::run(const QString& path, const QStringList& texts) const {
    return searchRecords(*layout, path, criteriaWith(texts), itemText, &itemText.fields());
}

ListResult SummaryDefinition::build(const QString& path, const QDate& today) const {
    return summaryRecords(
        *layout, path, [&](const FieldValues& values) { return condition(values, today); },
        itemText);
}

ExportColumn fieldColumn(const RecordLayout& layout, const char* name, const char* header,
                         int gridWidth, int exportWidth, const char* field) {
    return joinedColumn(layout, name, header, gridWidth, exportWidth, {field});
}

namespace {

QList<qsizetype> indexesOf(const RecordLayout& layout, std::initializer_list<const char*> fields) {
    QList<qsizetype> indexes;
    for (const char* field : fields) {
        indexes.append(layout.indexOfField(QString::fromLatin1(field)));
        Q_ASSERT_X(indexes.back() >= 0, "indexesOf", field);
    }
    return indexes;
}

ValueFn joined(QList<qsizetype> indexes) {
    return [indexes = std::move(indexes)](const FieldValues& values) {
        QString text = text::trimBlanks(values.value(indexes.front()));
        for (qsizetype i = 1; i < indexes.size(); ++i) {
            text += u' ' + text::trimBlanks(values.value(indexes.at(i)));
        }
        return text;
    };
}

}  // namespace

ValueFn joinedFields(const RecordLayout& layout, std::initializer_list<const char*> fields) {
    return joined(indexesOf(layout, fields));
}

ExportColumn joinedColumn(const RecordLayout& layout, const char* name, const char* header,
                          int gridWidth, int exportWidth,
                          std::initializer_list<const char*> fields) {
    const QList<qsizetype> indexes = indexesOf(layout, fields);
    return ExportColumn{name,        QString::fromUtf8(header), gridWidth,
                        exportWidth, joined(indexes),           indexes};
}
