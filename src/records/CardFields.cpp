#include "records/CardFields.h"

#include "base/TextRules.h"
#include "records/FieldRules.h"

namespace cardfilter {

bool digits(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool amount(QChar c) {
    return digits(c) || c == u',';
}

bool alphanumeric(QChar c) {
    return digits(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool email(QChar c) {
    static const QString refused =
        QStringLiteral(" /<>€£°ÀÁÂÄÇÈÉÊËÌÍÎÏÑÒÓÔÖÙÚÛÜàáâäçèéêëìíîïñòóôöùúûü");
    return !refused.contains(c);
}

}  // namespace cardfilter

bool takesText(const CardField& field, const QString& text) {
    if (field.accepts != &cardfilter::amount) return true;
    const QString trimmed = text::trimBlanks(text);
    return trimmed.isEmpty() || fieldrules::amountUnits(trimmed, 4).has_value();
}

QString fieldTitle(const CardField& field) {
    QString label = QString::fromUtf8(field.label).trimmed();
    while (label.endsWith(u':')) label = label.chopped(1).trimmed();
    if (label.isEmpty()) return label;
    if (field.aside && *field.aside) {
        label += QStringLiteral(" (") + QString::fromUtf8(field.aside) + u')';
    }
    return label;
}
