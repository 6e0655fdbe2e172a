#pragma once

#include <QDialog>

#include "lists/ListDefinitions.h"
#include "windows/GuiListActions.h"

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

    // Reads the list, with its progress; false, the list left empty, when
    // the user stops it.
    bool build();
    void openChosen();
    RecordListWidget* list() const { return list_; }

    // Reads the list before the window shows: a list the user stops never
    // opens.
    int exec() override;

protected:
    void done(int result) override;

private:
    const SummaryDefinition& definition_;
    QString archive_;
    RecordListWidget* list_;
    ReadOnOpen opening_{this, [this] { return build(); }};
};
