#pragma once

#include <QDialog>
#include <optional>

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
    // Opened away from its card (the launcher's panel): a double-click
    // closes the window with the chosen record kept in chosen(), which the
    // opener shows in the card, instead of loading it into a card that is
    // not on the screen.
    void keepChosen() { keepChosen_ = true; }
    const std::optional<FoundRecord>& chosen() const { return chosen_; }
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
    bool keepChosen_ = false;
    std::optional<FoundRecord> chosen_;
    ReadOnOpen opening_{this, [this] { return build(); }};
};
