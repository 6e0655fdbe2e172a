#include "windows/GuiCardRecord.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "base/Cp1252.h"
#include "base/GuiShell.h"
#include "base/Seams.h"
#include "records/ArchiveMessages.h"
#include "records/RecordCodec.h"
#include "records/RecordFile.h"
#include "windows/CardWindow.h"
#include "windows/GuiCardControls.h"
#include "windows/GuiCardKeys.h"
#include "windows/GuiCardLayout.h"

using cardcontrols::setWidgetText;

CardRecord::CardRecord(CardWindow& window, const CardDefinition& definition,
                       const CardLayout& layout, CardKeys& keys)
    : window_(window), definition_(definition), layout_(layout), keys_(keys) {}

qsizetype CardRecord::position() const {
    return layout_.positionLabel()->text().toLongLong();
}

void CardRecord::setPosition(qsizetype number) {
    layout_.positionLabel()->setText(number > 0 ? QString::number(number) : QString());
}

FieldValues CardRecord::cardValues() const {
    FieldValues values;
    for (const FieldSpec& field : definition_.layout->fields) {
        values.append(
            cardcontrols::widgetText(layout_.control(QString::fromLatin1(field.control))));
    }
    return values;
}

void CardRecord::loadValues(const FieldValues& stored, qsizetype number) {
    const RecordLayout& layout = *definition_.layout;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        QWidget* w = layout_.control(QString::fromLatin1(layout.fields[i].control));
        if (w && index < stored.size()) {
            setWidgetText(w, codec::displayText(layout.encoding, stored.at(index)));
        }
    }
    setPosition(number);
    window_.recordShown(number);
}

void CardRecord::loadDerived(const FieldValues& values) {
    const FieldValues shown = cardValues();
    for (qsizetype i = 0; i < values.size() && i < shown.size(); ++i) {
        if (values.at(i) == shown.at(i)) continue;
        const auto& field = definition_.layout->fields[std::size_t(i)];
        if (QWidget* w = layout_.control(QString::fromLatin1(field.control)))
            setWidgetText(w, values.at(i));
    }
}

bool CardRecord::loadRecord(qsizetype number) {
    RecordFile file(window_.recordFilePath(), definition_.layout->recordSize());
    QByteArray record;
    const bool ok = file.open(RecordFile::Access::Read) && file.readAt(number - 1, &record);
    file.close();
    if (!ok) {
        showAccessError(false);
        return false;
    }
    loadValues(codec::decode(*definition_.layout, record), number);
    return true;
}

std::optional<qsizetype> CardRecord::recordCount() {
    RecordFile file(window_.recordFilePath(), definition_.layout->recordSize());
    if (!file.open(RecordFile::Access::Read)) {
        showAccessError(false);
        return std::nullopt;
    }
    return file.count();
}

void CardRecord::first() {
    const auto count = recordCount();
    if (!count) return;
    if (*count == 0) return showEmptyArchive();
    loadRecord(1);
}

void CardRecord::previous() {
    const auto count = recordCount();
    if (!count) return;
    const qsizetype shown = position();
    if (shown == 1) return;
    if (*count == 0) return showEmptyArchive();
    loadRecord(shown <= 2 ? 1 : shown - 1);
}

void CardRecord::next() {
    const auto count = recordCount();
    if (!count) return;
    const qsizetype shown = position();
    if (*count == 0) {
        setPosition(0);
        return showEmptyArchive();
    }
    if (shown < *count) loadRecord(shown + 1);
}

void CardRecord::last() {
    const auto count = recordCount();
    if (!count) return;
    if (*count == 0) return showEmptyArchive();
    loadRecord(*count);
}

void CardRecord::save() {
    // The field being edited holds a text its leave rule would replace (no
    // amount, which would be stored as zero): the user has not seen what
    // would be stored, so nothing is, and the field is theirs to correct.
    if (QWidget* field = keys_.currentField()) {
        const CardField* desc = layout_.fieldOf(field);
        const QString typed = cardcontrols::widgetText(field);
        if (desc && !takesText(*desc, typed)) {
            // The message takes the focus, which does not leave the field:
            // it keeps the text typed, for the user to correct.
            keys_.setCurrentField(nullptr);
            // The field as its label names it, without the colons.
            const QString name = QString::fromUtf8(desc->label).remove(u':').simplified();
            seams::messages().warning(archivemsg::notAnAmount(name, typed));
            keys_.setCurrentField(field);
            focusField(field);
            return;
        }
    }
    if (definition_.leaveFieldOnSave) {
        // Leave the field being edited, so that its text is final (an
        // amount is formatted) before the card is read.
        layout_.focusSink()->setFocus();
        if (keys_.currentField()) {
            if (const CardField* desc = layout_.fieldOf(keys_.currentField())) {
                keys_.leaveField(keys_.currentField(), *desc);
            }
        }
    } else if (keys_.currentField()) {
        // The field keeps the focus, and its text is stored as it would be
        // once left (an amount formatted), as the card then shows it.
        if (const CardField* desc = layout_.fieldOf(keys_.currentField())) {
            keys_.applyLeaveRule(keys_.currentField(), *desc);
        }
    }
    FieldValues values = cardValues();
    if (definition_.derive) {
        definition_.derive(values);
        loadDerived(values);
    }
    if (definition_.check) {
        if (const auto failed = definition_.check(values)) {
            if (failed->kind == SaveCheck::Kind::Warning) {
                seams::messages().warning(failed->message);
            } else {
                seams::messages().plain(failed->message);
            }
            if (QWidget* w = layout_.control(failed->focusControl)) focusField(w);
            return;
        }
    }
    const FieldValues checked = values;
    if (!acceptUnstorable(values)) return;
    // Once written, the card shows the texts stored with '?' as stored.
    const auto showStored = [&] {
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (values.at(i) == checked.at(i)) continue;
            if (QWidget* w = layout_.controlAt(i)) setWidgetText(w, values.at(i));
        }
    };
    const QByteArray record = codec::encode(*definition_.layout, values);
    RecordFile file(window_.recordFilePath(), definition_.layout->recordSize());
    if (!file.open(RecordFile::Access::Write)) {
        return showAccessError(definition_.plainAccessErrorOnSave);
    }
    const qsizetype shown = position();
    if (shown > 0) {
        const bool ok = file.writeAt(shown - 1, record);
        file.close();
        if (!ok) return showAccessError(definition_.plainAccessErrorOnSave);
        showStored();
        if (window_.recordStored(shown, false)) {
            seams::messages().informationOkCancel(archivemsg::recordUpdated());
        }
    } else {
        const qsizetype number = file.append(record);
        file.close();
        if (number == 0) return showAccessError(definition_.plainAccessErrorOnSave);
        showStored();
        setPosition(number);
        if (window_.recordStored(number, true)) {
            seams::messages().informationOkCancel(definition_.insertedMessage);
        }
    }
}

QString CardRecord::fieldName(qsizetype index) const {
    const QString name =
        QString::fromLatin1(definition_.layout->fields[std::size_t(index)].control);
    for (const CardField& desc : definition_.fields) {
        if (desc.field.index == index) return QString::fromUtf8(desc.label);
    }
    // The attachments, by the names their window gives them.
    for (std::size_t k = 0; k < kAttachmentSlots.size(); ++k) {
        const QString ordinal = QStringLiteral("%1°").arg(k + 1);
        if (name == QLatin1String(kAttachmentSlots[k].fileLabel))
            return QStringLiteral("Nome %1 file allegato").arg(ordinal);
        if (name == QLatin1String(kAttachmentSlots[k].descriptionLabel))
            return QStringLiteral("Descrizione %1 file allegato").arg(ordinal);
    }
    return name;
}

bool CardRecord::acceptUnstorable(FieldValues& values) {
    QList<codec::UnstorableField> unstorable = codec::unstorableFields(*definition_.layout, values);
    if (unstorable.isEmpty()) return true;
    // Listed in the card's order, the fields it shows first.
    const auto order = [this](qsizetype index) {
        for (std::size_t i = 0; i < definition_.fields.size(); ++i) {
            if (definition_.fields[i].field.index == index) return qsizetype(i);
        }
        return qsizetype(definition_.fields.size()) + index;
    };
    std::stable_sort(unstorable.begin(), unstorable.end(),
                     [&](const auto& a, const auto& b) { return order(a.field) < order(b.field); });
    QStringList lines;
    for (const codec::UnstorableField& field : unstorable) {
        lines.append(archivemsg::unstorableLine(fieldName(field.field), field.characters));
    }
    if (!seams::messages().confirm(archivemsg::unstorableCharacters(lines))) {
        // Back to the first field the user can mend, its first such
        // characters selected.
        for (const codec::UnstorableField& field : unstorable) {
            QWidget* w = layout_.controlAt(field.field);
            if (!w || !layout_.fieldOf(w)) continue;
            selectUnstorable(w);
            break;
        }
        return false;
    }
    // Stored with '?' in their place.
    for (const codec::UnstorableField& field : unstorable) {
        values[field.field] = cp1252::storable(values.at(field.field));
    }
    return true;
}

void CardRecord::selectUnstorable(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
    QLineEdit* edit = cardcontrols::lineEditOf(field);
    auto* memo = qobject_cast<QPlainTextEdit*>(field);
    const QString text = edit ? edit->text() : memo ? memo->toPlainText() : QString();
    const QList<cp1252::Unencodable> found = cp1252::unencodable(text);
    if (found.isEmpty()) return;
    // The first run of adjacent characters that cannot be stored.
    qsizetype end = found.front().position + found.front().character.size();
    for (qsizetype i = 1; i < found.size() && found.at(i).position == end; ++i) {
        end += found.at(i).character.size();
    }
    const qsizetype start = found.front().position;
    if (edit) {
        edit->setSelection(int(start), int(end - start));
    } else if (memo) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(int(start));
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
}

void CardRecord::clearCard() {
    for (const CardField& desc : definition_.fields) {
        QWidget* w = layout_.control(desc.field);
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setChecked(false);
        } else {
            setWidgetText(
                w, desc.defaultValue ? desc.defaultValue() : QString::fromUtf8(desc.defaultText));
        }
    }
    clearAttachmentLabels();
    setPosition(0);
    keys_.focusFirstField();
    window_.cardCleared();
}

void CardRecord::duplicate() {
    if (position() == 0) return seams::messages().warning(archivemsg::duplicateNeedsStoredCard());
    clearAttachmentLabels();
    setPosition(0);
    keys_.focusFirstField();
    window_.cardDuplicated();
    seams::messages().informationOkCancel(archivemsg::duplicateReady());
}

void CardRecord::clearAttachmentLabels() {
    for (const AttachmentSlot& slot : kAttachmentSlots) {
        for (const char* name : {slot.fileLabel, slot.descriptionLabel}) {
            if (auto* label = qobject_cast<QLabel*>(layout_.control(QString::fromLatin1(name)))) {
                label->clear();
            }
        }
    }
}

void CardRecord::showAccessError(bool plain) {
    if (plain) {
        seams::messages().plain(archivemsg::accessError());
    } else {
        seams::messages().error(archivemsg::accessError());
    }
}

void CardRecord::showEmptyArchive() {
    seams::messages().informationOkCancel(archivemsg::emptyArchive());
}
