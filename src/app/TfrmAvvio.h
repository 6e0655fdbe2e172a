#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

// The launcher " Selvadoro": one tile per archive, each showing that
// archive's card window and hiding the launcher. Closing it ends the
// program.
class TfrmAvvio : public QWidget {
    Q_OBJECT

public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

    // Gives the card window of a tile, making it on first use.
    using CardMaker = std::function<QWidget*()>;

    // Makes a tile open its card window, the one given or the one the maker
    // gives when the tile is first clicked; a tile without one stays
    // disabled. When the card window closes, the launcher shows again.
    void setCardWindow(const QString& tile, QWidget* card);
    void setCardMaker(const QString& tile, CardMaker card);

    // Opens the archive of a tile ("Anagrafica", "Squadre", ...).
    void openArchive(const QString& tile);

    static QString makerSite();

    // The failure of the last automatic backup, shown on the launcher until
    // one succeeds; empty hides it.
    void setBackupWarning(const QString& text);

Q_SIGNALS:
    // The user ended the program (imgEsci or the close box).
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addTile(class QGridLayout* grid, int row, int column, const QString& tile,
                 const QString& caption, const char* icon);
    void cardClosed();

    QHash<QString, CardMaker> cards_;
};
