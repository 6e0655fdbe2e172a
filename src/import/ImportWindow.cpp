#include "import/ImportWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "import/ImportHelp.h"
#include "shell/TfrmGuida.h"

namespace {

const QString kNotImported = QStringLiteral("non importare");

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

}  // namespace

ImportWindow::ImportWindow(QList<const ArchiveDefinition*> archives, QWidget* parent,
                           QStringList captions)
    : QDialog(parent), archives_(std::move(archives)) {
    setObjectName(QStringLiteral("TfrmImporta"));
    setWindowTitle(QStringLiteral(" Selvadoro - Importa un elenco"));
    setWindowIcon(programWindowIcon());
    resize(1000, 700);
    auto* layout = new QVBoxLayout(this);

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

    auto* split = new QSplitter(Qt::Vertical, this);
    grdColonne_ = new QTableWidget(0, 2, split);
    grdColonne_->setObjectName(QStringLiteral("grdColonne"));
    grdColonne_->setHorizontalHeaderLabels(
        {QStringLiteral("Colonna del file"), QStringLiteral("Campo della scheda")});
    grdColonne_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdColonne_->verticalHeader()->hide();
    grdAnteprima_ = new QTableWidget(0, 0, split);
    grdAnteprima_->setObjectName(QStringLiteral("grdAnteprima"));
    grdAnteprima_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAnteprima_->verticalHeader()->hide();
    txtResoconto_ = new QPlainTextEdit(split);
    txtResoconto_->setObjectName(QStringLiteral("txtResoconto"));
    txtResoconto_->setReadOnly(true);
    txtResoconto_->setPlaceholderText(QStringLiteral("Il resoconto della prova comparirà qui."));
    layout->addWidget(split, 1);

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
    fillColumns();
}

void ImportWindow::browse() {
    const QString file = seams::desktop().openFileName(
        QStringLiteral("Scegli l'elenco da importare"), paths::dataFolder(),
        QStringLiteral("Elenchi (*.csv *.txt *.xls);;Tutti i file (*)"));
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
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (filling_) return;
            refreshPreview();
            invalidate();
        });
        grdColonne_->setCellWidget(r, 1, box);
    }
    filling_ = false;
    refreshPreview();
    invalidate();
}

void ImportWindow::refreshPreview() {
    const ArchiveDefinition& chosen = archive();
    const QList<qsizetype> mapped = columns();
    QList<qsizetype> shown;
    for (const qsizetype field : importer::importableFields(chosen)) {
        if (mapped.contains(field)) shown.append(field);
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
        const FieldValues values =
            importer::rowValues(chosen, row.cells, mapped, options(), &refusal);
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
    invalidate();
    btnProva_->setEnabled(true);
    return true;
}

void ImportWindow::rememberColumns() const {
    QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    QStringList pairs;
    const QList<qsizetype> mapped = columns();
    for (qsizetype c = 0; c < table_.header.size(); ++c) {
        const qsizetype field = mapped.value(c, importer::kNotImported);
        pairs.append(
            importer::matchingName(table_.header.at(c)) + u'=' +
            (field == importer::kNotImported
                 ? QString()
                 : QString::fromLatin1(archive().layout->fields[std::size_t(field)].name)));
    }
    settings.setValue(QString::fromLatin1(archive().name) + QStringLiteral("/colonne"), pairs);
}

QList<qsizetype> ImportWindow::rememberedColumns() const {
    QList<qsizetype> mapping = importer::matchColumns(archive(), table_.header);
    QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    const QStringList pairs =
        settings.value(QString::fromLatin1(archive().name) + QStringLiteral("/colonne"))
            .toStringList();
    for (const QString& pair : pairs) {
        const QString title = pair.section(u'=', 0, 0);
        const QString name = pair.section(u'=', 1);
        for (qsizetype c = 0; c < table_.header.size(); ++c) {
            if (importer::matchingName(table_.header.at(c)) != title) continue;
            const qsizetype field =
                name.isEmpty() ? importer::kNotImported : archive().layout->indexOfField(name);
            if (field != importer::kNotImported && field < 0) continue;
            for (qsizetype& other : mapping) {
                if (other == field && field != importer::kNotImported)
                    other = importer::kNotImported;
            }
            mapping[c] = field;
        }
    }
    return mapping;
}
