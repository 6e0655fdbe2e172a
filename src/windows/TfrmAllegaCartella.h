#pragma once

#include <QDialog>
#include <QString>
#include <array>

class CardWindow;
class QLineEdit;
class QPushButton;
class QToolButton;

// " Allega file": the three attachment slots of the card shown, each a
// file name and a description. A chosen file is copied at once into the
// attachment folder; the card gets the slots only on "Applica e chiudi",
// and its record only when the user saves it.
class TfrmAllegaCartella : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

    // Opens a fresh window for a card: the card's window tag ("anagrafica",
    // "squadre", "battute", "armi", "comunicazioni") and its six attachment
    // labels, trimmed; shown modally over the card.
    static void showFor(CardWindow* card, const QString& tag);

    // The window tag: whose card receives the slots.
    void setMemory(const QString& tag) { lblMemory = tag; }
    QString memory() const { return lblMemory; }

    // Slot k is 0, 1 or 2.
    void setSlot(int k, const QString& file, const QString& description);

    // Sfoglia: chooses a file and copies it into the folder.
    void attach(int k);
    // Apri: hands the attached file to its default application.
    void openAttached(int k);
    // Applica e chiudi: writes the six slots into the card of the window
    // tag, then closes. A tag of no open card writes nothing and keeps the
    // window open.
    void applyAndClose();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* description;
        QToolButton* erase;
        QPushButton* browse;
        QPushButton* open;
    };
    std::array<Slot, 3> slots_{};
    QString lblMemory;
};
