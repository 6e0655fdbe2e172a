#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

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

// One of the program's icons (":/icons/<icon>.svg"), read once and then
// shared by every window that shows it, so that each size of it is drawn
// once.
QIcon programIcon(const char* icon);
// Its picture `size` pixels square, drawn once.
QPixmap programPicture(const char* icon, int size);
// The program's own icon as its windows carry it.
QIcon programWindowIcon();

// A clickable picture: one of the program's icons on a flat button with a
// hand cursor, which takes no focus.
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
