#include "mailing/MailingWindow.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/Paths.h"
#include "base/Seams.h"
#include "mailing/MailingHelp.h"
#include "mailing/MailingJobs.h"
#include "mailing/TfrmAssociazione.h"
#include "shell/TfrmGuida.h"

namespace {

// The custom sheet's fields, in the order of LabelFormat.
struct CustomField {
    const char* name;
    const char* caption;
    double maximum;
    int decimals;
};
constexpr CustomField kCustom[] = {
    {"spnColonne", "Colonne:", 10, 0},
    {"spnRighe", "Righe:", 30, 0},
    {"spnLarghezza", "Larghezza (mm):", 210, 1},
    {"spnAltezza", "Altezza (mm):", 297, 1},
    {"spnSinistro", "Margine sinistro (mm):", 100, 2},
    {"spnSuperiore", "Margine superiore (mm):", 100, 2},
    {"spnPassoOrizzontale", "Passo orizzontale (mm):", 210, 2},
    {"spnPassoVerticale", "Passo verticale (mm):", 297, 2},
};

QString defaultSeason(const QDate& today) {
    // A season runs from the summer to the next.
    const int first = today.month() >= 7 ? today.year() : today.year() - 1;
    return QStringLiteral("%1/%2").arg(first).arg(first + 1);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

MailingWindow::MailingWindow(Kind kind, const ArchiveDefinition& archive, const QString& recordFile,
                             QList<qsizetype> records, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      archive_(archive),
      recordFile_(recordFile),
      records_(std::move(records)) {
    const bool labels = kind == Kind::Labels;
    setObjectName(labels ? QStringLiteral("TfrmEtichette") : QStringLiteral("TfrmTessere"));
    setWindowTitle(labels ? QStringLiteral(" Etichette degli indirizzi")
                          : QStringLiteral(" Tessere associative"));
    auto* layout = new QVBoxLayout(this);
    auto* count =
        new QLabel(records_.isEmpty() ? QStringLiteral("Tutte le schede dell'archivio.")
                                      : QStringLiteral("Schede scelte: %1.").arg(records_.size()),
                   this);
    count->setObjectName(QStringLiteral("lblSchede"));
    layout->addWidget(count);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    if (labels) {
        cboFormato_ = new QComboBox(this);
        cboFormato_->setObjectName(QStringLiteral("cboFormato"));
        for (const mailing::LabelFormat& f : mailing::standardFormats()) {
            cboFormato_->addItem(
                QStringLiteral("%1 (%2 x %3 mm)")
                    .arg(f.name, QLocale().toString(f.width), QLocale().toString(f.height)),
                f.name);
        }
        cboFormato_->addItem(QStringLiteral("Personalizzato"), QStringLiteral("personalizzato"));
        form->addRow(QStringLiteral("Formato del foglio:"), cboFormato_);
        const mailing::LabelFormat saved = mailing::customFormat();
        const double values[] = {double(saved.columns), double(saved.rows), saved.width,
                                 saved.height,          saved.left,         saved.top,
                                 saved.horizontalPitch, saved.verticalPitch};
        auto* grid = new QGridLayout;
        for (int i = 0; i < 8; ++i) {
            auto* spin = new QDoubleSpinBox(this);
            spin->setObjectName(QString::fromLatin1(kCustom[i].name));
            spin->setDecimals(kCustom[i].decimals);
            spin->setRange(0, kCustom[i].maximum);
            spin->setValue(values[i]);
            custom_.append(spin);
            grid->addWidget(new QLabel(QString::fromUtf8(kCustom[i].caption), this), i / 2,
                            (i % 2) * 2);
            grid->addWidget(spin, i / 2, (i % 2) * 2 + 1);
            connect(spin, &QDoubleSpinBox::valueChanged, this, [this] { formatChanged(); });
        }
        form->addRow(grid);
        spnInizio_ = new QSpinBox(this);
        spnInizio_->setObjectName(QStringLiteral("spnInizio"));
        form->addRow(QStringLiteral("Inizia dall'etichetta n.:"), spnInizio_);
        connect(cboFormato_, &QComboBox::currentIndexChanged, this, [this] { formatChanged(); });
        formatChanged();
    } else {
        const mailing::Association association = mailing::association();
        txtStagione_ = new QLineEdit(defaultSeason(seams::clock().today()), this);
        txtStagione_->setObjectName(QStringLiteral("txtStagione"));
        txtStagione_->setInputMask(QStringLiteral("9999/9999"));
        form->addRow(QStringLiteral("Stagione:"), txtStagione_);
        txtAssociazione_ = new QLineEdit(association.name, this);
        txtAssociazione_->setObjectName(QStringLiteral("txtAssociazione"));
        form->addRow(QStringLiteral("Associazione:"), txtAssociazione_);
        auto* logoRow = new QHBoxLayout;
        txtLogo_ = new QLineEdit(association.logo, this);
        txtLogo_->setObjectName(QStringLiteral("txtLogo"));
        QPushButton* browse = button(this, "btnSfoglia", QStringLiteral("Sfoglia..."));
        connect(browse, &QPushButton::clicked, this, &MailingWindow::browseLogo);
        logoRow->addWidget(txtLogo_, 1);
        logoRow->addWidget(browse);
        form->addRow(QStringLiteral("Logo (immagine):"), logoRow);
        QPushButton* more =
            button(this, "btnAssociazione", QStringLiteral("Altri dati dell'associazione..."));
        connect(more, &QPushButton::clicked, this, [this] {
            keepSettings();
            TfrmAssociazione window(this);
            if (window.exec() != QDialog::Accepted) return;
            const mailing::Association kept = mailing::association();
            txtAssociazione_->setText(kept.name);
            txtLogo_->setText(kept.logo);
        });
        form->addRow(QString(), more);
    }
    // The notes (left out, shrunk, cut) scroll in a box of their own, so
    // that a long list never squeezes the fields above it.
    lblEsclusi_ = new QLabel;
    lblEsclusi_->setObjectName(QStringLiteral("lblEsclusi"));
    lblEsclusi_->setWordWrap(true);
    lblEsclusi_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEsclusi_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* notes = new QScrollArea(this);
    notes->setObjectName(QStringLiteral("scrEsclusi"));
    notes->setWidget(lblEsclusi_);
    notes->setWidgetResizable(true);
    notes->setFrameShape(QFrame::NoFrame);
    notes->setFixedHeight(fontMetrics().lineSpacing() * 4 + 8);
    layout->addWidget(notes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* anteprima = button(this, "btnAnteprima", QStringLiteral("Anteprima"));
    QPushButton* stampa = button(this, "btnStampa", QStringLiteral("Stampa"));
    QPushButton* pdf = button(this, "btnPdf", QStringLiteral("Salva PDF"));
    QPushButton* guida = button(this, "btnGuida", QStringLiteral("Guida"));
    QPushButton* chiudi = button(this, "btnChiudi", QStringLiteral("Chiudi"));
    for (QPushButton* b : {anteprima, stampa, pdf, guida, chiudi}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(anteprima, &QPushButton::clicked, this, &MailingWindow::preview);
    connect(stampa, &QPushButton::clicked, this, &MailingWindow::print);
    connect(pdf, &QPushButton::clicked, this, &MailingWindow::savePdf);
    connect(guida, &QPushButton::clicked, this,
            [this] { showHelpTopic(this, mailing::helpTopic()); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

mailing::LabelFormat MailingWindow::format() const {
    const QString name = cboFormato_->currentData().toString();
    if (const auto standard = mailing::standardFormat(name)) return *standard;
    mailing::LabelFormat format;
    format.name = name;
    format.columns = int(custom_.at(0)->value());
    format.rows = int(custom_.at(1)->value());
    format.width = custom_.at(2)->value();
    format.height = custom_.at(3)->value();
    format.left = custom_.at(4)->value();
    format.top = custom_.at(5)->value();
    format.horizontalPitch = custom_.at(6)->value();
    format.verticalPitch = custom_.at(7)->value();
    return format;
}

void MailingWindow::formatChanged() {
    const bool custom = cboFormato_->currentData().toString() == QLatin1String("personalizzato");
    for (QDoubleSpinBox* spin : custom_) spin->setEnabled(custom);
    spnInizio_->setRange(1, qMax(1, format().perSheet()));
}

void MailingWindow::browseLogo() {
    const QString file =
        seams::desktop().openFileName(QStringLiteral("Logo dell'associazione"), paths::dataFolder(),
                                      QStringLiteral("Immagini (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (!file.isEmpty()) txtLogo_->setText(file);
}

void MailingWindow::keepSettings() {
    if (kind_ == Kind::Labels) {
        if (cboFormato_->currentData().toString() == QLatin1String("personalizzato")) {
            mailing::setCustomFormat(format());
        }
        return;
    }
    mailing::Association association = mailing::association();
    association.name = txtAssociazione_->text().trimmed();
    association.logo = txtLogo_->text().trimmed();
    mailing::setAssociation(association);
}

report::PreparedReport MailingWindow::prepared() {
    lblEsclusi_->clear();
    report::Report sheets;
    if (kind_ == Kind::Labels) {
        const mailing::LabelFormat chosen = format();
        if (const QString problem = chosen.problem(); !problem.isEmpty()) {
            seams::messages().warning(problem);
            return {};
        }
    } else if (!mailing::isSeason(txtStagione_->text())) {
        seams::messages().warning(
            QStringLiteral("Indicare la stagione come due anni consecutivi (AAAA/AAAA)."));
        return {};
    }
    keepSettings();
    ProgressScope progress(QStringLiteral("Lettura delle schede in corso..."));
    const mailing::Members read =
        mailing::readMembers(*archive_.layout, recordFile_, records_, progress.callback());
    progress.end();
    if (read.cancelled) return {};
    if (!read.ok) {
        seams::messages().error(QStringLiteral("Impossibile leggere l'archivio: ") + read.error);
        return {};
    }
    if (kind_ == Kind::Labels) {
        const mailing::LabelJob job =
            mailing::labelJob(archive_, read.members, format(), spnInizio_->value());
        QStringList notes;
        if (!job.withoutAddress.isEmpty()) {
            notes.append(mailing::withoutAddressMessage(job.withoutAddress));
        }
        if (const QString fitted = mailing::fitMessage(job); !fitted.isEmpty()) {
            notes.append(fitted);
        }
        lblEsclusi_->setText(notes.join(u'\n'));
        if (job.labels == 0) {
            seams::messages().warning(mailing::emptySelectionMessage());
            return {};
        }
        sheets = job.report;
    } else {
        if (read.members.isEmpty()) {
            seams::messages().warning(mailing::emptySelectionMessage());
            return {};
        }
        QString logoError;
        const QString logo = mailing::association().logo;
        if (!logo.isEmpty() &&
            mailing::associationLogo(QSizeF(report::mm(11), report::mm(11)), &logoError).isNull()) {
            lblEsclusi_->setText(QStringLiteral("Il logo non si può leggere: ") + logoError);
        }
        sheets = mailing::cardJob(archive_, read.members, txtStagione_->text());
    }
    return report::prepare(sheets, seams::clock().today());
}

void MailingWindow::preview() {
    const report::PreparedReport sheets = prepared();
    if (!sheets.pages.isEmpty()) seams::printing().preview(sheets);
}

void MailingWindow::print() {
    const report::PreparedReport sheets = prepared();
    if (!sheets.pages.isEmpty()) seams::printing().print(sheets);
}

void MailingWindow::savePdf() {
    const report::PreparedReport sheets = prepared();
    if (sheets.pages.isEmpty()) return;
    const QString file = seams::desktop().saveFileName(
        QStringLiteral("Salva in PDF"),
        paths::dataFile(kind_ == Kind::Labels ? QStringLiteral("Etichette.pdf")
                                              : QStringLiteral("Tessere.pdf")),
        QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty()) return;
    QString error;
    ProgressScope progress(QStringLiteral("Scrittura del PDF in corso..."));
    const bool written = report::writePdf(sheets, file, &error, progress.callback());
    progress.end();
    if (progress.cancelled()) return;  // the file stays as it was
    if (!written) {
        seams::messages().error(QStringLiteral("Impossibile scrivere il file ") + file + u'\n' +
                                error);
        return;
    }
    seams::messages().information(QStringLiteral("Il documento PDF è stato salvato in:\n") +
                                  QDir::toNativeSeparators(file));
}
