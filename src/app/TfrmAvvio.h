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
    // Reads the panel's lines again (on its thread) when the archives have
    // changed since they were read: a save or an import of this run, or a
    // file changed by another station. Called by a timer while the
    // launcher shows, and when it shows again after a card.
    void refreshAgendaIfChanged();
    // Reads them again in any case (after an import or a restore).
    void refreshAgenda();
    // The failure of the last automatic backup, shown on the launcher until
    // one succeeds; empty hides it.
    void setBackupWarning(const QString& text);

Q_SIGNALS:
    // The user ended the program (imgEsci or the close box).
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addTile(class QGridLayout* grid, int row, int column, const QString& tile,
                 const QString& caption, const char* icon);
    void cardClosed();
    void openAgendaLine(const AgendaLine& line);
    // Shows the card window `windowName` in place of the launcher, at the
    // record file `file`; null when there is none.
    class CardWindow* showCard(const char* windowName, const QString& file);
    // Reads the panel again; `stamp` is the files' stamp when the caller
    // has just taken it.
    void startAgenda(QByteArray stamp = {});

    QHash<QString, CardMaker> cards_;
    AgendaWidget* agenda_ = nullptr;
    bool agendaStarted_ = false;
    // What the lines shown were read from: the run's writes and the stamp
    // of the agenda's files when the reading began.
    quint64 agendaWrites_ = 0;
    QByteArray agendaStamp_;
    class QTimer* agendaTimer_ = nullptr;
};
