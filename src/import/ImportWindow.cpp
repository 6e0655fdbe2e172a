#include "import/ImportWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "import/ImportHelp.h"
#include "shell/TfrmGuida.h"

namespace {

const QString kNotImported = QStringLiteral("non importare");
const QString kStale = QStringLiteral(
    "RESOCONTO NON PIÙ VALIDO: l'abbinamento delle colonne o "
    "le scelte sono cambiati dopo la prova. Premere Prova per "
    "rifarlo.");

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

// Keeps the wheel that scrolls the list of columns from changing the field
// of the column under the pointer: a drop-down takes it only with the focus.
class WheelOnlyWithFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

ImportWindow::ImportWindow(QList<const ArchiveDefinition*> archives, QWidget* parent,
                           QStringList captions)
    : QDialog(parent), archives_(std::move(archives)) {
    setObjectName(QStringLiteral("TfrmImporta"));
    setWindowTitle(QStringLiteral(" Selvadoro - Importa un elenco"));
    setWindowIcon(programWindowIcon());
    // Whole on a 1366 x 768 screen, with room for the task bar.
    resize(1300, 690);
    auto* layout = new QVBoxLayout(this);
    wheelGuard_ = new WheelOnlyWithFocus(this);

    auto* top = new QHBoxLayout;
    cboArchivio_ = new QComboBox(this);
    cboArchivio_->setObjectName(QStringLiteral("cboArchivio"));
    for (qsizetype i = 0; i < archives_.size(); ++i) {
        cboArchivio_->addItem(i < captions.size() ? captions.at(i)
                                                  : QString::fromLatin1(archives_.at(i)->name));
    }
    txtAnno_ = new QLineEdit(this);
    txtAnno_->setObjectName(QStringLiteral("txtAnno"));
    txtAnno_->setMaxLength(4);
    txtAnno_->setFixedWidth(
        QFontMetrics(txtAnno_->font()).horizontalAdvance(QStringLiteral("000000")) + 12);
    txtAnno_->setText(QString::number(seams::clock().today().year()));
    top->addWidget(caption(QStringLiteral("Archivio:"), this));
    top->addWidget(cboArchivio_);
    top->addWidget(caption(QStringLiteral("Anno:"), this));
    top->addWidget(txtAnno_);
    top->addSpacing(12);
    top->addWidget(caption(QStringLiteral("File:"), this));
    txtFile_ = new QLineEdit(this);
    txtFile_->setObjectName(QStringLiteral("txtFile"));
    top->addWidget(txtFile_, 1);
    auto* btnSfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
    btnSfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    top->addWidget(btnSfoglia);
    layout->addLayout(top);

    auto* format = new QHBoxLayout;
    cboSeparatore_ = new QComboBox(this);
    cboSeparatore_->setObjectName(QStringLiteral("cboSeparatore"));
    cboSeparatore_->addItems({QStringLiteral("automatico"), QStringLiteral("punto e virgola (;)"),
                              QStringLiteral("virgola (,)"), QStringLiteral("tabulazione")});
    cboCodifica_ = new QComboBox(this);
    cboCodifica_->setObjectName(QStringLiteral("cboCodifica"));
    cboCodifica_->addItems(
        {QStringLiteral("automatica"), QStringLiteral("UTF-8"), QStringLiteral("Windows-1252")});
    auto* btnLeggi = new QPushButton(QStringLiteral("Leggi il file"), this);
    btnLeggi->setObjectName(QStringLiteral("btnLeggi"));
    format->addWidget(caption(QStringLiteral("Separatore:"), this));
    format->addWidget(cboSeparatore_);
    format->addWidget(caption(QStringLiteral("Codifica:"), this));
    format->addWidget(cboCodifica_);
    format->addWidget(btnLeggi);
    format->addStretch(1);
    layout->addLayout(format);

    // The columns' mapping on the left, as tall as the window allows (a
    // row for each column of the file); the preview and the report on the
    // right.
    auto* across = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(across);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    grdColonne_ = new QTableWidget(0, 3, left);
    grdColonne_->setObjectName(QStringLiteral("grdColonne"));
    grdColonne_->setHorizontalHeaderLabels({QStringLiteral("Colonna del file"),
                                            QStringLiteral("Campo della scheda"),
                                            QStringLiteral("Nota")});
    grdColonne_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdColonne_->horizontalHeader()->setStretchLastSection(true);
    grdColonne_->setColumnWidth(0, 150);
    grdColonne_->setColumnWidth(1, 210);
    grdColonne_->verticalHeader()->hide();
    grdColonne_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    grdColonne_->setWordWrap(false);
    leftLayout->addWidget(grdColonne_, 1);
    // A value for every row, for a field the file has no column of.
    auto* fixed = new QHBoxLayout;
    cboCampoFisso_ = new QComboBox(left);
    cboCampoFisso_->setObjectName(QStringLiteral("cboCampoFisso"));
    txtValoreFisso_ = new QLineEdit(left);
    txtValoreFisso_->setObjectName(QStringLiteral("txtValoreFisso"));
    auto* btnValore = new QPushButton(QStringLiteral("Aggiungi"), left);
    btnValore->setObjectName(QStringLiteral("btnAggiungiValore"));
    fixed->addWidget(caption(QStringLiteral("Valore per tutte le righe:"), left));
    fixed->addWidget(cboCampoFisso_, 1);
    fixed->addWidget(txtValoreFisso_);
    fixed->addWidget(btnValore);
    leftLayout->addLayout(fixed);
    grdValori_ = new QTableWidget(0, 2, left);
    grdValori_->setObjectName(QStringLiteral("grdValori"));
    grdValori_->setHorizontalHeaderLabels(
        {QStringLiteral("Campo senza colonna"), QStringLiteral("Valore (Canc lo toglie)")});
    grdValori_->horizontalHeader()->setStretchLastSection(true);
    grdValori_->setColumnWidth(0, 210);
    grdValori_->verticalHeader()->hide();
    grdValori_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    grdValori_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdValori_->setMaximumHeight(3 * (fontMetrics().height() + 8) + 30);
    leftLayout->addWidget(grdValori_);
    auto* split = new QSplitter(Qt::Vertical, across);
    grdAnteprima_ = new QTableWidget(0, 0, split);
    grdAnteprima_->setObjectName(QStringLiteral("grdAnteprima"));
    grdAnteprima_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAnteprima_->verticalHeader()->hide();
    txtResoconto_ = new QPlainTextEdit(split);
    txtResoconto_->setObjectName(QStringLiteral("txtResoconto"));
    txtResoconto_->setReadOnly(true);
    txtResoconto_->setPlaceholderText(QStringLiteral("Il resoconto della prova comparirà qui."));
    across->addWidget(left);
    across->addWidget(split);
    across->setStretchFactor(0, 2);
    across->setStretchFactor(1, 3);
    layout->addWidget(across, 1);
    connect(btnValore, &QPushButton::clicked, this, [this] { addFixedValue(); });
    auto* remove =
        new QShortcut(QKeySequence::Delete, grdValori_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] {
        if (grdValori_->currentRow() < 0) return;
        grdValori_->removeRow(grdValori_->currentRow());
        refreshPreview();
        invalidate();
    });

    chkDoppioni_ = new QCheckBox(QStringLiteral("Importa anche i possibili doppioni"), this);
    chkDoppioni_->setObjectName(QStringLiteral("chkDoppioni"));
    chkTaglia_ = new QCheckBox(
        QStringLiteral("Taglia ai limiti (i valori troppo lunghi vengono tagliati e i caratteri "
                       "non memorizzabili sostituiti da \"?\"; il resoconto li elenca)"),
        this);
    chkTaglia_->setObjectName(QStringLiteral("chkTaglia"));
    layout->addWidget(chkDoppioni_);
    layout->addWidget(chkTaglia_);
    auto* lblAllegati =
        new QLabel(QStringLiteral("Gli allegati e le foto non vengono importati."), this);
    lblAllegati->setObjectName(QStringLiteral("lblAllegati"));
    layout->addWidget(lblAllegati);

    auto* buttons = new QHBoxLayout;
    auto* btnGuida = new QPushButton(QStringLiteral("Guida"), this);
    btnGuida->setObjectName(QStringLiteral("btnGuida"));
    btnProva_ = new QPushButton(QStringLiteral("Prova"), this);
    btnProva_->setObjectName(QStringLiteral("btnProva"));
    btnImporta_ = new QPushButton(QStringLiteral("Importa"), this);
    btnImporta_->setObjectName(QStringLiteral("btnImporta"));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    buttons->addWidget(btnGuida);
    buttons->addStretch(1);
    buttons->addWidget(btnProva_);
    buttons->addWidget(btnImporta_);
    buttons->addWidget(btnChiudi);
    layout->addLayout(buttons);
    btnProva_->setEnabled(false);
    btnImporta_->setEnabled(false);
    makeKeyboardButtons(this);
    // Enter in the file's name reads the file.
    btnLeggi->setDefault(true);

    connect(cboArchivio_, &QComboBox::currentIndexChanged, this, [this] { archiveChanged(); });
    connect(txtAnno_, &QLineEdit::textChanged, this, [this] { invalidate(); });
    connect(btnSfoglia, &QPushButton::clicked, this, [this] { browse(); });
    connect(btnLeggi, &QPushButton::clicked, this, [this] { readFile(); });
    connect(btnProva_, &QPushButton::clicked, this, [this] { dryRun(); });
    connect(btnImporta_, &QPushButton::clicked, this, [this] { importRows(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnGuida, &QPushButton::clicked, this,
            [this] { showHelpTopic(this, importer::helpTopic()); });
    connect(chkDoppioni_, &QCheckBox::toggled, this, [this] { invalidate(); });
    connect(chkTaglia_, &QCheckBox::toggled, this, [this] {
        refreshPreview();
        invalidate();
    });
    archiveChanged();
}

const ArchiveDefinition& ImportWindow::archive() const {
    return *archives_.at(qMax(0, cboArchivio_->currentIndex()));
}

QList<qsizetype> ImportWindow::columns() const {
    QList<qsizetype> columns;
    const QList<qsizetype> fields = importer::importableFields(archive());
    for (int r = 0; r < grdColonne_->rowCount(); ++r) {
        auto* box = qobject_cast<QComboBox*>(grdColonne_->cellWidget(r, 1));
        const int choice = box ? box->currentIndex() : 0;
        columns.append(choice <= 0 ? importer::kNotImported : fields.value(choice - 1));
    }
    return columns;
}

importer::Options ImportWindow::options() const {
    importer::Options options;
    options.year = archive().yearFile ? txtAnno_->text() : QString();
    options.cutToLimits = chkTaglia_->isChecked();
    options.importDuplicates = chkDoppioni_->isChecked();
    const QList<qsizetype> fields = importer::importableFields(archive());
    for (int r = 0; r < grdValori_->rowCount(); ++r) {
        const qsizetype field = grdValori_->item(r, 0)->data(Qt::UserRole).toLongLong();
        if (fields.contains(field))
            options.fixedValues.append({field, grdValori_->item(r, 1)->text()});
    }
    return options;
}

bool ImportWindow::yearValid() const {
    return !archive().yearFile ||
           (txtAnno_->text().size() == 4 && text::isAllDigits(txtAnno_->text()));
}

QString ImportWindow::recordFile() const {
    return archive().recordFile(archive().yearFile ? txtAnno_->text() : QString());
}

void ImportWindow::archiveChanged() {
    txtAnno_->setEnabled(archive().yearFile != nullptr);
    grdValori_->setRowCount(0);
    cboCampoFisso_->clear();
    for (const qsizetype field : importer::importableFields(archive())) {
        cboCampoFisso_->addItem(importer::fieldLabel(archive(), field), QVariant::fromValue(field));
    }
    fillColumns();
}

void ImportWindow::addFixedValue() {
    const qsizetype field = cboCampoFisso_->currentData().toLongLong();
    if (cboCampoFisso_->currentIndex() < 0) return;
    if (columns().contains(field)) {
        seams::messages().warning(
            QStringLiteral("Attenzione: il campo %1 ha già una colonna del file. Il valore per "
                           "tutte le righe vale per un campo che il file non ha.")
                .arg(cboCampoFisso_->currentText()));
        return;
    }
    int row = 0;
    while (row < grdValori_->rowCount() &&
           grdValori_->item(row, 0)->data(Qt::UserRole).toLongLong() != field) {
        ++row;
    }
    if (row == grdValori_->rowCount()) grdValori_->insertRow(row);
    auto* name = new QTableWidgetItem(cboCampoFisso_->currentText());
    name->setData(Qt::UserRole, QVariant::fromValue(field));
    grdValori_->setItem(row, 0, name);
    grdValori_->setItem(row, 1, new QTableWidgetItem(txtValoreFisso_->text()));
    txtValoreFisso_->clear();
    refreshPreview();
    invalidate();
}

void ImportWindow::markColumns() {
    const QList<qsizetype> mapped = columns();
    for (int r = 0; r < grdColonne_->rowCount(); ++r) {
        bool holdsData = false;
        for (const importfile::Row& row : table_.rows) {
            if (!row.cells.value(r).trimmed().isEmpty()) holdsData = true;
        }
        const bool left = mapped.value(r) == importer::kNotImported;
        QString note;
        if (left && holdsData) {
            note = doubts_.value(r).isEmpty()
                       ? QStringLiteral("Ha dei dati ma non viene importata: scegliere il campo.")
                       : QStringLiteral("Ha dei dati ma non viene importata: ") + doubts_.value(r);
        } else if (left) {
            note = QStringLiteral("Vuota nelle prime righe.");
        }
        auto* item = new QTableWidgetItem(note);
        item->setFlags(Qt::ItemIsEnabled);
        item->setToolTip(note);
        const QBrush mark = left && holdsData ? QBrush(QColor(0xFF, 0xE0, 0xA0)) : QBrush();
        item->setBackground(mark);
        grdColonne_->setItem(r, 2, item);
        if (QTableWidgetItem* title = grdColonne_->item(r, 0)) title->setBackground(mark);
    }
}

void ImportWindow::browse() {
    const QString file = seams::desktop().openFileName(
        QStringLiteral("Scegli l'elenco da importare"), paths::dataFolder(),
        QStringLiteral("Elenchi (*.xlsx *.xls *.ods *.csv *.txt);;Cartelle di lavoro di Excel "
                       "(*.xlsx *.xls);;Fogli di calcolo OpenDocument (*.ods);;File CSV (*.csv "
                       "*.txt);;Tutti i file (*)"));
    if (file.isEmpty()) return;
    txtFile_->setText(file);
    readFile();
}

bool ImportWindow::readFile() {
    importfile::ReadOptions read;
    const char separators[] = {0, ';', ',', '\t'};
    read.separator = separators[qBound(0, cboSeparatore_->currentIndex(), 3)];
    const importfile::Encoding encodings[] = {
        importfile::Encoding::Detect, importfile::Encoding::Utf8, importfile::Encoding::Cp1252};
    read.encoding = encodings[qBound(0, cboCodifica_->currentIndex(), 2)];
    // The whole file is read for its errors, but only the preview's rows
    // are kept: the dry run and the import read it again.
    read.keptRows = kPreviewRows;
    ProgressScope progress(QStringLiteral("Lettura del file in corso..."));
    importfile::Table table = importfile::read(txtFile_->text(), read, progress.callback());
    progress.end();
    if (table.cancelled) return false;
    table_ = std::move(table);
    file_ = txtFile_->text();
    // Read again as found: the separator and encoding detected.
    read.separator = table_.separator;
    read.encoding = table_.encoding;
    read.keptRows = -1;
    readOptions_ = read;
    fillColumns();
    if (!table_.ok) {
        seams::messages().plain(table_.error);
        return false;
    }
    return true;
}

void ImportWindow::fillColumns() {
    filling_ = true;
    const ArchiveDefinition& chosen = archive();
    const QList<qsizetype> fields = importer::importableFields(chosen);
    QStringList items{kNotImported};
    for (const qsizetype field : fields) items.append(importer::fieldLabel(chosen, field));
    doubts_.clear();
    if (table_.ok) {
        for (const importer::ColumnMatch& match :
             importer::matchHeader(chosen, table_.header, sampleRows())) {
            doubts_.append(match.doubt);
        }
    }
    const QList<qsizetype> mapping = table_.ok ? rememberedColumns() : QList<qsizetype>();
    grdColonne_->setRowCount(table_.ok ? int(table_.header.size()) : 0);
    for (int r = 0; r < grdColonne_->rowCount(); ++r) {
        auto* title = new QTableWidgetItem(table_.header.at(r));
        title->setFlags(Qt::ItemIsEnabled);
        grdColonne_->setItem(r, 0, title);
        auto* box = new QComboBox(grdColonne_);
        box->setObjectName(QStringLiteral("cboCampo%1").arg(r + 1));
        box->addItems(items);
        box->setCurrentIndex(int(fields.indexOf(mapping.value(r, importer::kNotImported)) + 1));
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(wheelGuard_);
        connect(box, &QComboBox::currentIndexChanged, this, [this, r](int picked) {
            if (filling_) return;
            // A field goes to one column: the column that had it lets it go.
            filling_ = true;
            for (int other = 0; other < grdColonne_->rowCount() && picked > 0; ++other) {
                auto* otherBox = qobject_cast<QComboBox*>(grdColonne_->cellWidget(other, 1));
                if (other != r && otherBox && otherBox->currentIndex() == picked)
                    otherBox->setCurrentIndex(0);
            }
            filling_ = false;
            markColumns();
            refreshPreview();
            invalidate();
        });
        grdColonne_->setCellWidget(r, 1, box);
    }
    filling_ = false;
    markColumns();
    refreshPreview();
    invalidate();
}

void ImportWindow::refreshPreview() {
    const ArchiveDefinition& chosen = archive();
    const QList<qsizetype> mapped = columns();
    const importer::Options given = options();
    // The fields the file's columns fill, and those a value for every row fills.
    QList<qsizetype> shown;
    for (const qsizetype field : importer::importableFields(chosen)) {
        const bool fixed = std::any_of(given.fixedValues.cbegin(), given.fixedValues.cend(),
                                       [&](const auto& value) { return value.first == field; });
        if (mapped.contains(field) || fixed) shown.append(field);
    }
    QStringList header{QStringLiteral("Riga"), QStringLiteral("Esito")};
    for (const qsizetype field : shown) header.append(importer::fieldLabel(chosen, field));
    grdAnteprima_->clear();
    grdAnteprima_->setColumnCount(int(header.size()));
    grdAnteprima_->setHorizontalHeaderLabels(header);
    const int rows = table_.ok ? int(qMin<qsizetype>(table_.rows.size(), kPreviewRows)) : 0;
    grdAnteprima_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const importfile::Row& row = table_.rows.at(r);
        QString refusal;
        const FieldValues values = importer::rowValues(chosen, row.cells, mapped, given, &refusal);
        grdAnteprima_->setItem(r, 0, new QTableWidgetItem(QString::number(row.line)));
        grdAnteprima_->setItem(
            r, 1,
            new QTableWidgetItem(refusal.isEmpty() ? QStringLiteral("da aggiungere")
                                                   : QStringLiteral("rifiutata: ") + refusal));
        for (qsizetype c = 0; c < shown.size(); ++c) {
            grdAnteprima_->setItem(r, int(c + 2), new QTableWidgetItem(values.value(shown.at(c))));
        }
    }
}

void ImportWindow::invalidate() {
    // The report of a mapping or choices no longer shown says so.
    if (planCurrent_) {
        txtResoconto_->setPlainText(kStale + QStringLiteral("\n\n") + txtResoconto_->toPlainText());
    }
    planCurrent_ = false;
    btnImporta_->setEnabled(false);
    btnProva_->setEnabled(table_.ok);
}

bool ImportWindow::dryRun() {
    if (!table_.ok) return false;
    if (!yearValid()) {
        seams::messages().warning(QStringLiteral(
            "Attenzione: per importare nello scadenzario è necessario indicare l'anno con quattro "
            "cifre."));
        focusField(txtAnno_);
        return false;
    }
    ProgressScope progress(QStringLiteral("Verifica delle righe in corso..."));
    importfile::Reader reader(file_, readOptions_, progress.callback());
    importer::Plan plan;
    if (reader.start()) {
        plan = importer::prepare(archive(), recordFile(), reader, columns(), options(),
                                 progress.callback());
    } else {
        plan.cancelled = reader.cancelled();
        plan.error = reader.error();
    }
    progress.end();
    if (plan.cancelled) return false;
    if (!plan.ok) {
        seams::messages().plain(plan.error);
        return false;
    }
    plan_ = std::move(plan);
    txtResoconto_->setPlainText(importer::report(archive(), plan_, chkDoppioni_->isChecked()));
    rememberColumns();
    planCurrent_ = true;
    btnImporta_->setEnabled(plan_.accepted > 0);
    return true;
}

bool ImportWindow::importRows() {
    if (!planCurrent_ || plan_.accepted == 0) return false;
    if (!seams::messages().confirm(
            QStringLiteral("Si vogliono aggiungere %1 schede all'archivio %2?")
                .arg(plan_.accepted)
                .arg(cboArchivio_->currentText()))) {
        return false;
    }
    // The file read again, each accepted row written as it is checked.
    ProgressScope progress(QStringLiteral("Importazione in corso..."));
    importfile::Reader reader(file_, readOptions_, progress.callback());
    importer::Imported imported;
    if (reader.start()) {
        imported = importer::import(archive(), recordFile(), reader, columns(), options(),
                                    progress.callback());
    } else {
        imported.cancelled = reader.cancelled();
        imported.plan.error = reader.error();
    }
    progress.end();
    if (imported.cancelled) {
        seams::messages().information(
            QStringLiteral("Importazione annullata: l'archivio è rimasto com'era."));
        return false;
    }
    if (!imported.written) {
        // The archive could not be written, or the file or the archive read
        // (the plan's error says which and why).
        const QString failure =
            !imported.error.isEmpty()
                ? QStringLiteral("Impossibile scrivere l'archivio: ") + imported.error
                : imported.plan.error;
        seams::messages().plain(failure + QStringLiteral("\n\nNessuna scheda è stata importata."));
        return false;
    }
    if (imported.count == 0) {
        // Since the trial the archive has changed (another station's
        // saves): no row is to be added any more.
        seams::messages().information(
            QStringLiteral("Nessuna scheda importata: dopo la prova l'archivio è cambiato e "
                           "nessuna riga del file è più da aggiungere."));
        invalidate();
        btnProva_->setEnabled(true);
        return false;
    }
    seams::messages().information(QStringLiteral("Schede importate: %1 (dalla n. %2 alla n. %3).")
                                      .arg(imported.count)
                                      .arg(imported.first)
                                      .arg(imported.first + imported.count - 1));
    planCurrent_ = false;
    invalidate();
    btnProva_->setEnabled(true);
    return true;
}

void ImportWindow::rememberColumns() const {
    importer::saveColumns(archive(), table_.header, columns());
}

QList<qsizetype> ImportWindow::rememberedColumns() const {
    QList<qsizetype> mapping = importer::matchColumns(archive(), table_.header, sampleRows());
    importer::applySavedColumns(archive(), table_.header, &mapping);
    return mapping;
}

QList<QStringList> ImportWindow::sampleRows() const {
    QList<QStringList> rows;
    for (const importfile::Row& row : table_.rows) rows.append(row.cells);
    return rows;
}
