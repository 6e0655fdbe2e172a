#pragma once

#include <QDialog>
#include <QString>

#include "checks/CheckVerdict.h"

class QLineEdit;
class QPushButton;

// What makes one checker window: its names and texts, how its edit takes
// input, and the check behind its Controlla button.
struct CheckerDefinition {
    const char* windowName;  // the window class, also the objectName
    QString caption;
    QString banner;  // the title drawn on the banner
    QString prompt;  // lblTitolo
    const char* editName;
    int maxLength;      // the typing limit of the edit
    bool digitsOnly;    // keys with a character other than 0-9 are swallowed
    bool upperTrimmed;  // every change of the text leaves it trimmed, upper case
    checks::Verdict (*check)(const QString& text);
};

// A small modal window that checks one value and only reports: a banner,
// the prompt, the edit with Controlla at its right, and Chiudi. Enter in
// the edit moves to Controlla. A value that cannot be checked (wrong
// length, empty) gets its warning and the window stays open for a
// correction; after a verdict the window closes.
class CheckerWindow : public QDialog {
    Q_OBJECT

public:
    CheckerWindow(CheckerDefinition definition, QWidget* parent);

    // Puts a card's text in the edit. The typing limit does not cut it: a
    // longer text is kept whole, so it is judged as it is.
    void setValue(const QString& text);
    QString value() const;

    // Controlla.
    void check();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void normalise();

    CheckerDefinition definition_;
    QLineEdit* edit_;
    QPushButton* btnControlla_;
};
