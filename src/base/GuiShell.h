#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class QAbstractButton;
class QBoxLayout;
class QDialog;
class QFrame;
class QIcon;
class QLabel;
class QPixmap;
class QPushButton;
class QToolButton;
class QWidget;

// Small pieces shared by the shell's windows (password, guide, information,
// splash).

// A fixed-size dialog without title-bar buttons.
void makeFixedDialog(QWidget* window, QSize size);

// Moves a window to the centre of its screen, or of another widget.
void centreOnScreen(QWidget* window);
void centreOver(QWidget* window, const QWidget* over);

// A link's colour, and its colour while the mouse button is held on it.
inline constexpr QColor kLinkColour{0x00, 0x00, 0x80};
inline constexpr QColor kPressedLinkColour{0xFF, 0x8C, 0x00};

// Makes a label and its picture one link: both turn orange while the mouse
// button is held down on either and dark blue again when it is released;
// a release over the pressed widget opens the link.
void makeLink(QLabel* text, QLabel* picture, std::function<void()> open);

// The highlight rectangle shown behind a field while it has the focus,
// named `name` ("effPassword"). Returns it.
QFrame* addFocusHighlight(QWidget* field, const QString& name);

// Gives a field the focus ready to be typed over: a one-line field (or a
// drop-down's edit) with its whole text selected, a memo with its text kept
// and the cursor at its end. What Enter does moving along a card's fields,
// and what a check that failed does sending the user back to a field.
void focusField(QWidget* field);

// Makes a button work from the keyboard like the program's others: Enter
// on it, while it has the focus, presses it (a dialog's push buttons keep
// Qt's own rule for Enter), and while it has the focus it shows a focus
// mark, a frame of kFocusMarkColour inside its edge. Doing it twice does
// nothing more.
inline constexpr QColor kFocusMarkColour{0x1f, 0x4e, 0x8c};
void makeKeyboardButton(QAbstractButton* button);
// The same for every push button and picture button inside `window`.
void makeKeyboardButtons(QWidget* window);

// One of the program's icons (":/icons/<icon>.svg"), read once and then
// shared by every window that shows it, so that each size of it is drawn
// once.
QIcon programIcon(const char* icon);
// Its picture `size` pixels square, drawn once.
QPixmap programPicture(const char* icon, int size);
// The program's own icon as its windows carry it.
QIcon programWindowIcon();

// A clickable picture: one of the program's icons on a flat button with a
// hand cursor, which takes no focus (unless its owner gives it a focus
// policy; it is a keyboard button, see makeKeyboardButton).
QToolButton* pictureButton(QWidget* parent, const QString& name, const char* icon, int size);

// The status line at the bottom of a window: white text on a blue bar.
QLabel* statusLine(QWidget* parent, const QString& text);

// The bottom row of an information dialog: a link (its picture, named
// `picture`, and the text `lnkWeb`) on the left and "Chiudi" (`btnChiudi`,
// which accepts the dialog) on the right. Returns the link's text.
QLabel* addLinkAndCloseRow(QDialog* dialog, QBoxLayout* layout, const QString& picture,
                           const char* icon, int iconSize, const QString& text,
                           std::function<void()> open);

// A title picture: an icon (":/icons/<icon>.svg") beside a heading.
QWidget* titlePicture(QWidget* parent, const char* icon, const QString& heading);

// A picture of one of the program's icons.
QLabel* iconPicture(QWidget* parent, const QString& name, const char* icon, int size);

// A row of push buttons added to `layout`, in order: sharing the row, on
// its right, or the first on the left and the others on the right.
enum class ButtonRow { Shared, Right, Apart };
struct ButtonSpec {
    const char* name;
    QString text;
};
QList<QPushButton*> addButtonRow(QWidget* parent, QBoxLayout* layout,
                                 std::initializer_list<ButtonSpec> buttons, ButtonRow placement);

// The row of a dialog's confirming button and "Annulla" (`btnAnnulla`,
// which rejects the dialog).
struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons addOkCancelRow(QDialog* dialog, QBoxLayout* layout, const QString& okName,
                               const QString& okText, ButtonRow placement);
