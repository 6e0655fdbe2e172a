#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

#include "import/ImportFile.h"
#include "import/Importer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The one window that imports a list into any archive of the registry:
// the archive (and a yearly archive's year), the file, its columns matched
// to the card's fields (those with data left out marked), values for
// fields the file lacks, the first 20 rows as they would be stored, the dry
// run's report (marked out of date when a choice changes), then the import
// under one journal with progress and "Annulla".
class ImportWindow : public QDialog {
    Q_OBJECT
public:
    // `captions` names the archives for the user, in their order (by default
    // their command-line names).
    explicit ImportWindow(QList<const ArchiveDefinition*> archives, QWidget* parent = nullptr,
                          QStringList captions = {});

    // The steps, as the buttons run them.
    bool readFile();
    bool dryRun();
    bool importRows();

    // The archive chosen, the mapping shown (a field per column).
    const ArchiveDefinition& archive() const;
    QList<qsizetype> columns() const;

    // How many rows the preview shows.
    static constexpr int kPreviewRows = 20;

private:
    void archiveChanged();
    void browse();
    void fillColumns();
    void refreshPreview();
    void invalidate();
    void addFixedValue();
    // Marks the columns with data that are not imported, with the reason.
    void markColumns();
    importer::Options options() const;
    QString recordFile() const;
    bool yearValid() const;
    void rememberColumns() const;
    QList<qsizetype> rememberedColumns() const;
    QList<QStringList> sampleRows() const;

    QList<const ArchiveDefinition*> archives_;
    QComboBox* cboArchivio_ = nullptr;
    QLineEdit* txtAnno_ = nullptr;
    QLineEdit* txtFile_ = nullptr;
    QComboBox* cboSeparatore_ = nullptr;
    QComboBox* cboCodifica_ = nullptr;
    QTableWidget* grdColonne_ = nullptr;
    QTableWidget* grdAnteprima_ = nullptr;
    QComboBox* cboCampoFisso_ = nullptr;
    QLineEdit* txtValoreFisso_ = nullptr;
    QTableWidget* grdValori_ = nullptr;
    QObject* wheelGuard_ = nullptr;
    // Why each column was not matched, when its title named fields.
    QStringList doubts_;
    QCheckBox* chkDoppioni_ = nullptr;
    QCheckBox* chkTaglia_ = nullptr;
    QPlainTextEdit* txtResoconto_ = nullptr;
    QPushButton* btnProva_ = nullptr;
    QPushButton* btnImporta_ = nullptr;
    // The header and the preview's rows; the file and how it reads, for
    // the dry run and the import, which read it again.
    importfile::Table table_;
    QString file_;
    importfile::ReadOptions readOptions_;
    importer::Plan plan_;
    bool planCurrent_ = false;
    bool filling_ = false;
};
