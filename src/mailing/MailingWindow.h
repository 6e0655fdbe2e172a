#pragma once

#include <QDialog>
#include <QList>

#include "lists/ArchiveDefinition.h"
#include "mailing/LabelSheet.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

// The window of address labels or membership cards of some records of an
// archive (a list's lines, or every record): the sheet's format and start
// position, or the season and the association's heading; then Anteprima,
// Stampa or Salva PDF, all through the seams.
class MailingWindow : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Labels, Cards };

    MailingWindow(Kind kind, const ArchiveDefinition& archive, const QString& recordFile,
                  QList<qsizetype> records, QWidget* parent = nullptr);

    // The sheets as they would print now; empty (with the message shown)
    // when there is nothing to print or the settings are wrong.
    report::PreparedReport prepared();

    void preview();
    void print();
    void savePdf();

    // The format chosen, the custom one as its fields say.
    mailing::LabelFormat format() const;

private:
    void formatChanged();
    void browseLogo();
    void keepSettings();

    Kind kind_;
    const ArchiveDefinition& archive_;
    QString recordFile_;
    QList<qsizetype> records_;
    QComboBox* cboFormato_ = nullptr;
    QList<QDoubleSpinBox*> custom_;
    QSpinBox* spnInizio_ = nullptr;
    QLineEdit* txtStagione_ = nullptr;
    QLineEdit* txtAssociazione_ = nullptr;
    QLineEdit* txtLogo_ = nullptr;
    QLabel* lblEsclusi_ = nullptr;
};
