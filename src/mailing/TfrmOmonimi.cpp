#include "mailing/TfrmOmonimi.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// "Scheda 33 - nato il 12/03/1961 - Prato - C.F. VLLPTR61C12G713X", the
// parts the card leaves empty left out.
QString memberText(const MailingFields& fields, const mailing::Member& member) {
    QStringList parts{QStringLiteral("Scheda %1").arg(member.record)};
    const auto add = [&](std::optional<FieldId> field, const QString& before) {
        if (!field) return;
        const QString text = mailing::fieldText(member.values, *field);
        if (!text.isEmpty()) parts.append(before + text);
    };
    add(fields.birthDate, QStringLiteral("nato il "));
    add(fields.town, QString());
    add(fields.taxCode, QStringLiteral("C.F. "));
    return parts.join(QStringLiteral(" - "));
}

}  // namespace

TfrmOmonimi::TfrmOmonimi(const MailingFields& fields, const QList<mailing::Namesakes>& namesakes,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmOmonimi"));
    setWindowTitle(QStringLiteral(" Destinatari omonimi"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Alcuni destinatari hanno lo stesso nome di più schede dell'archivio. "
                       "Spuntare le schede a cui va la lettera (tutte, se sono persone "
                       "diverse che la devono ricevere)."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* inner = new QWidget(this);
    auto* groups = new QVBoxLayout(inner);
    for (const mailing::Namesakes& group : namesakes) {
        auto* box = new QGroupBox(group.name, inner);
        auto* rows = new QVBoxLayout(box);
        for (const mailing::Member& member : group.members) {
            auto* check = new QCheckBox(memberText(fields, member), box);
            check->setObjectName(QStringLiteral("chkScheda%1").arg(member.record));
            check->setChecked(true);
            rows->addWidget(check);
            boxes_.append({member.record, check});
        }
        groups->addWidget(box);
    }
    groups->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(inner);
    layout->addWidget(scroll, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("Conferma"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnConferma"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 360);
}

QList<qsizetype> TfrmOmonimi::chosen() const {
    QList<qsizetype> records;
    for (const auto& [record, check] : boxes_) {
        if (check->isChecked()) records.append(record);
    }
    return records;
}

std::optional<QList<qsizetype>> TfrmOmonimi::choose(const MailingFields& fields,
                                                    const QList<mailing::Namesakes>& namesakes,
                                                    QWidget* parent) {
    TfrmOmonimi dialog(fields, namesakes, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}
