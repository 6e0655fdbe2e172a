#pragma once

#include <QAbstractListModel>
#include <QWidget>
#include <functional>

#include "lists/RecordList.h"

class QLabel;
class QLineEdit;
class QListView;
class QHBoxLayout;
class QPushButton;

// The lines of a list window, for a list view. Holds only the lines, each
// text made for the view when it is painted.
class RecordListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;
    void setLines(ListLines lines);
    const ListLines& lines() const { return lines_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ListLines lines_;
};

// The list part shared by the search and summary windows: the find box
// `txtTrova` with `btnTrova`, the list `lstRecords`, the hint, `btnStampa`
// and `btnChiudi`.
class RecordListWidget : public QWidget {
    Q_OBJECT

public:
    explicit RecordListWidget(QWidget* parent = nullptr);

    void setLines(ListLines lines);
    const ListLines& lines() const { return model_->lines(); }
    void clear();

    // The selected line's index, -1 for none.
    qsizetype selectedIndex() const;
    void select(qsizetype index);

    // Looks for the find box's text in the list (the memory makes the same
    // text step to the next match).
    void findNext();
    void resetFind();
    // How find-in-list compares letters.
    void setFolding(CaseFolding folding) { folding_ = folding; }
    // Shows the double-click hint under the list in red.
    void setRedHint();
    // Prints the lines under the title of the printed list.
    void setPrintTitle(const QString& title) { printTitle_ = title; }
    void print() const;

    // Puts a button of the window's own in the row of Stampa, before it.
    void addButton(QPushButton* button);

    QLineEdit* findBox() const { return txtTrova_; }
    QPushButton* closeButton() const { return btnChiudi_; }
    QListView* view() const { return lstRecords_; }

Q_SIGNALS:
    // The user double-clicked the list: on a line, or where there is none.
    void lineChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RecordListModel* model_;
    QLineEdit* txtTrova_;
    QPushButton* btnTrova_;
    QListView* lstRecords_;
    QPushButton* btnStampa_;
    QPushButton* btnChiudi_;
    QHBoxLayout* buttons_;
    QLabel* hint_;
    CaseFolding folding_ = CaseFolding::AllLetters;
    QString findMemory_;
    QString printTitle_;
};
