#pragma once

#include <QDialog>

#include "archive/ListDefinitions.h"

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
    explicit SearchWindow(const SearchDefinition& definition, QWidget* parent = nullptr);

    // The window tag.
    void setMemory(const QString& tag) { lblMemory = tag; }
    QString memory() const { return lblMemory; }

    void search();
    void openChosen();

    RecordListWidget* list() const { return list_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const SearchDefinition& definition_;
    QString lblMemory;
    QString lblConta;
    QList<QLineEdit*> criteria_;
    QFrame* panAvvio_;
    QFrame* panContainer_;
    QLabel* lblAttendere_;
    QLabel* lblTrovate_;
    RecordListWidget* list_;
};
