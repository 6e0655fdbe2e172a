#pragma once

#include <QDialog>
#include <optional>

#include "lists/ListDefinitions.h"

class QFrame;
class QLabel;
class QLineEdit;
class RecordListWidget;

// The search window of an archive ("TfrmTrovaAnagrafica"...): criteria,
// then the sorted list of the matching records. A double-click acts on the
// chosen record as the window tag says: loads it into the archive's card,
// or hands some of its values to another card (a picker).
class SearchWindow : public QDialog {
    Q_OBJECT

public:
    // `archive`: the record file the window reads; empty: the archive's
    // own file in the data folder.
    explicit SearchWindow(const SearchDefinition& definition, QWidget* parent = nullptr,
                          const QString& archive = {});

    // The window tag, for a mode the search definition holds.
    void setMemory(const QString& tag) {
        lblMemory = tag;
        picker_.reset();
    }
    QString memory() const { return lblMemory; }
    // A mode the caller brings (another archive's picker on this search):
    // the window tag becomes its tag, and a double-click applies it.
    void usePicker(const PickerMode& mode);

    void search();
    void openChosen();

    RecordListWidget* list() const { return list_; }

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void shown();

    const SearchDefinition& definition_;
    QString archive_;
    QString lblMemory;
    std::optional<PickerMode> picker_;
    QString lblConta;
    QList<QLineEdit*> criteria_;
    QFrame* panAvvio_;
    QFrame* panContainer_;
    QLabel* lblAttendere_;
    QLabel* lblTrovate_;
    RecordListWidget* list_;
};
