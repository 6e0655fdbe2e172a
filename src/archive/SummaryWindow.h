#pragma once

#include <QDialog>

#include "archive/ListDefinitions.h"

class RecordListWidget;

// A summary list ("TfrmContrattiScaduti"...): as soon as it shows, the
// records that meet the archive's condition, sorted; a double-click loads
// the chosen record into the archive's card.
class SummaryWindow : public QDialog {
    Q_OBJECT

public:
    // `archive`: the record file the window reads; empty: the archive's
    // own file in the data folder.
    explicit SummaryWindow(const SummaryDefinition& definition, QWidget* parent = nullptr,
                           const QString& archive = {});

    void build();
    void openChosen();
    RecordListWidget* list() const { return list_; }

protected:
    void done(int result) override;

private:
    const SummaryDefinition& definition_;
    QString archive_;
    RecordListWidget* list_;
};
