#include "lists/ListDefinitions.h"

#include "base/TextRules.h"

QString SearchCriterionSpec::highlightName() const {
    if (highlight) return QString::fromLatin1(highlight);
    const QString name = QString::fromLatin1(control);
    return QStringLiteral("eff") + (name.startsWith(QLatin1String("txt")) ? name.mid(3) : name);
}

const PickerMode* SearchDefinition::picker(const QString& tag) const {
    for (const PickerMode& mode : pickers) {
        if (tag == QLatin1String(mode.tag)) return &mode;
    }
    return nullptr;
}

QString SearchDefinition::criterionName(qsizetype criterion) const {
    return QString::fromLatin1(layout->fields[criteria.at(criterion).field.index].name);
}

QList<Criterion> SearchDefinition::criteriaWith(const QStringList& texts) const {
    QList<Criterion> result;
    for (qsizetype i = 0; i < criteria.size(); ++i) {
        result.append({criteria.at(i).field.index, texts.value(i)});
    }
    return result;
}

ListResult SearchDefinition::run(const QString& path, const QStringList& texts,
                                 const ScanProgress& progress) const {
    return searchRecords(*layout, path, criteriaWith(texts), itemText, style.folding, progress);
}

QString SearchDefinition::countLine(qsizetype lines) const {
    const QString text = style.countText.isEmpty()
                             ? QStringLiteral("Il presente riepilogo contiene %1 schede.")
                             : style.countText;
    return text.arg(lines);
}

ListResult SummaryDefinition::build(const QString& path, const QDate& today,
                                    const ScanProgress& progress) const {
    QList<qsizetype> fields;
    for (const FieldId field : conditionFields) fields.append(field.index);
    return summaryRecords(
        *layout, path, [&](const FieldValues& values) { return condition(values, today); }, fields,
        itemText, style.folding, progress);
}

QStringList ExportDefinition::filesFor(const QString& archive, const QDate& date) const {
    return files ? files(date) : QStringList{archive};
}

GridRows ExportDefinition::read(const QStringList& paths, const QDate& date,
                                const ScanProgress& progress) const {
    if (!selection) {
        return readGridRows(*layout, columns, paths, nullptr, {}, sortColumn, progress);
    }
    QList<qsizetype> fields;
    for (const FieldId field : selectionFields) fields.append(field.index);
    return readGridRows(
        *layout, columns, paths,
        [this, &date](const FieldValues& values) { return selection(values, date); }, fields,
        sortColumn, progress);
}

ValueFn storedField(FieldId field) {
    return [index = field.index](const FieldValues& values) { return values.value(index); };
}

ExportColumn fieldColumn(const char* name, const char* header, int gridWidth, int exportWidth,
                         FieldId field) {
    ExportColumn column = joinedColumn(name, header, gridWidth, exportWidth, {field});
    column.oneField = true;
    return column;
}

namespace {

QList<qsizetype> indexesOf(std::initializer_list<FieldId> fields) {
    QList<qsizetype> indexes;
    for (const FieldId field : fields) indexes.append(field.index);
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

ValueFn joinedFields(std::initializer_list<FieldId> fields) {
    return joined(indexesOf(fields));
}

ExportColumn joinedColumn(const char* name, const char* header, int gridWidth, int exportWidth,
                          std::initializer_list<FieldId> fields) {
    const QList<qsizetype> indexes = indexesOf(fields);
    return ExportColumn{name,        QString::fromUtf8(header), gridWidth,
                        exportWidth, joined(indexes),           indexes};
}
