#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

#include "agenda/AgendaWidget.h"

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

    // The "Da fare" panel under the tiles, filled after the launcher shows.
    AgendaWidget* agendaPanel() const { return agenda_; }
    // Where the panel's lines come from: by default the agenda of every
    // archive of the registry (tests give one of their own).
    static void setAgendaSource(AgendaWidget::Source source);
    // Whether the panel is shown: the setting "Mostra le cose da fare",
    // kept in the data folder's Selvadoro.ini.
    static bool agendaShown();
    static void setAgendaShown(bool shown);
    // The failure of the last automatic backup, shown on the launcher until
    // one succeeds; empty hides it.
    void setBackupWarning(const QString& text);

Q_SIGNALS:
    // The user ended the program (imgEsci or the close box).
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addTile(class QGridLayout* grid, int row, int column, const QString& tile,
                 const QString& caption, const char* icon);
    void cardClosed();
    void openAgendaLine(const AgendaLine& line);
    void startAgenda();

    QHash<QString, CardMaker> cards_;
    AgendaWidget* agenda_ = nullptr;
    bool agendaStarted_ = false;
};
