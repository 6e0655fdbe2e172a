#pragma once

#include <QPlainTextEdit>
#include <QString>

class QLineEdit;
class QWidget;

// The controls of a card window's fields, as its layout, its keyboard
// policy and its record read and set them.
namespace cardcontrols {

// The text a control shows, as the card reads it back (memos with CR LF
// line breaks, check boxes "Sì" or "No").
QString widgetText(const QWidget* w);

// Where the cursor stands in a field whose text is set: at the start, so
// that a loaded card shows the start of each text; at the end, where the
// user goes on typing after a value set into one field (a picker's).
enum class Cursor { AtStart, AtEnd };

void setWidgetText(QWidget* w, const QString& text, Cursor cursor = Cursor::AtStart);

// The line edit of a one-line field or of an editable drop-down.
QLineEdit* lineEditOf(QWidget* w);

// A memo that holds at most `limit` stored characters: a typed key that
// would pass it is refused, a paste is cut to what fits. Tab moves on to
// the next field, as from any other field; it types nothing.
class MemoEdit : public QPlainTextEdit {
public:
    MemoEdit(int limit, QWidget* parent);

    // Whether `text` can replace the selection without passing the limit.
    bool hasRoomFor(const QString& text) const;

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    qsizetype room() const;

    int limit_;
};

}  // namespace cardcontrols
