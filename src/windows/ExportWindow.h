#pragma once

#include <QDialog>
#include <QHash>

#include "lists/ListDefinitions.h"
#include "windows/GuiListActions.h"

class QComboBox;
class QLabel;
class QTableView;
class QToolButton;

// The export window of an archive ("TfrmExpAnagrafica"...): the whole
// archive in a read-only grid, and the button that writes it in the format
// chosen to a file picked in a save dialog and offers to open it.
class ExportWindow : public QDialog {
    Q_OBJECT

public:
    // `archive`: the record file the window reads; empty: the archive's
    // own file in the data folder. `date`: the date of a list that has one
    // (see ExportDefinition); invalid: today.
    explicit ExportWindow(const ExportDefinition& definition, QWidget* parent = nullptr,
                          const QString& archive = {}, const QDate& date = {});

    // Reads the grid, with its progress; false, the grid left empty, when
    // the user stops it.
    bool fillGrid();
    // Writes the grid to the file, with its progress; an export the user
    // stops leaves the earlier file as it was.
    void exportFile();
    // The file proposed for the format chosen (the .xls by default): in the
    // folder of the last export, or the data folder; the calendar of a
    // yearly archive named with its year. The user picks the file in a
    // save dialog.
    QString filePath() const;
    // The format list "cboFormato": its items are the formats the archive
    // offers (exportformat::Format, as ints), .xls first.
    QComboBox* formatChoice() const { return cboFormato_; }
    const ExportGridModel& grid() const { return *grid_; }

    // Reads the grid before the window shows: a list the user stops never
    // opens.
    int exec() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addButton(const char* name, const char* icon, const QString& hint);

    const ExportDefinition& definition_;
    QString archive_;
    QDate date_;
    ExportGridModel* grid_;
    bool gridWhole_ = false;  // the grid holds every record of the archive
    ReadOnOpen opening_{this, [this] { return fillGrid(); }};
    QTableView* grdRecords_;
    QComboBox* cboFormato_;
    QLabel* panInfo_;
    QHash<QObject*, QString> hints_;
};
