#pragma once

#include <QSize>
#include <functional>

#include "lists/ListDefinitions.h"

class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QWidget;
class RecordListWidget;

// Hands a record chosen in a list to the window its mode names (made now
// if it is not there yet, `cards::cardWindow`): loads it into that card,
// or writes some of its values into that card's fields. Nothing is saved.
// False when there is no such card.
bool applyChosenRecord(const PickerMode& mode, const FoundRecord& record);

// The mode of a summary's double-click: load the record into `cardWindow`.
PickerMode loadIntoCard(const char* cardWindow);

// What a double-click on a list window's list does: reads the record of the
// selected line again from the record file `archive` and hands it to `mode`.
// Nothing without a selected line, a mode, or a record that still gives
// the line.
void applyChosenLine(const RecordListWidget& list, const RecordLayout& layout,
                     const QString& archive, const ItemTextFn& itemText, const PickerMode* mode);

// A list window whose list is read as it opens. Through exec() the list is
// read before the window shows, so that a reading the user cancels never
// opens it; shown otherwise, it is read as it shows, and the window closes
// again, empty, when the reading is cancelled. `read` returns false when
// cancelled.
class ReadOnOpen {
public:
    ReadOnOpen(QDialog* window, std::function<bool()> read)
        : window_(window), read_(std::move(read)) {}
    // Before QDialog::exec(): false when the window is not to open.
    bool beforeExec();
    // When the window shows: true when exec() read the list for this
    // showing; otherwise reads it now and returns false.
    bool onShown();

private:
    QDialog* window_;
    std::function<bool()> read_;
    bool readByExec_ = false;
};

// The frame of a list window: its object name and caption, a fixed size
// without title-bar buttons, centred on the screen each time the program
// shows it; then `shown` runs (filling the list...).
void frameListWindow(QDialog* window, const char* name, const QString& caption, QSize size,
                     std::function<void()> shown = {});

// The heading of a list window, added to `layout`: the title `imgLogo`
// (bold, blue, `points` large) with the instruction line `icoIstruzioni`
// under it when there is one. Returns the heading's row, for what the
// window shows on its right.
QHBoxLayout* addListHeading(QWidget* window, QBoxLayout* layout, const QString& title, int points,
                            const QString& instruction = {});

// The list of a list window, added to `layout`: it prints under
// `printTitle`, its Chiudi closes the window and a double-click calls
// `chosen`.
RecordListWidget* addRecordList(QDialog* window, QWidget* parent, QBoxLayout* layout,
                                const QString& printTitle, std::function<void()> chosen);
