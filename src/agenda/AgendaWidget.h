#pragma once

#include <QDate>
#include <QFrame>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "agenda/Agenda.h"

class QLabel;
class QVBoxLayout;

// The "Da fare" panel: the agenda's lines, computed on a thread of their
// own after the panel is shown, so that nothing waits for them. A click on
// a line tells which. Closing or destroying the panel asks the reading to
// stop; the reading ends at its next block. Started again (the archives
// changed), the panel keeps its lines until the new ones come; a start
// while a reading is under way drops that reading's lines and reads again
// once it has ended, so that the window never waits for a thread.
class AgendaWidget : public QFrame {
    Q_OBJECT

public:
    // Computes the lines of `today`, stopping early when `stop` turns true.
    using Source =
        std::function<QList<AgendaLine>(const QDate& today, const std::atomic_bool& stop)>;

    explicit AgendaWidget(QWidget* parent = nullptr);
    ~AgendaWidget() override;

    // Starts the computation in the background; the panel says it is
    // reading until the lines come.
    void start(Source source, const QDate& today);
    // Asks a computation under way to stop, without waiting for it.
    void stop();
    // Whether the lines of the last start are shown.
    bool ready() const { return ready_; }
    const QList<AgendaLine>& lines() const { return lines_; }

Q_SIGNALS:
    void lineClicked(const AgendaLine& line);
    void linesShown();

private:
    void launch();
    void ended(const QList<AgendaLine>& lines, bool stopped);
    void show(const QList<AgendaLine>& lines);

    QLabel* lblStato_;
    QVBoxLayout* list_;
    QList<AgendaLine> lines_;
    bool ready_ = false;
    bool reading_ = false;    // a thread is reading
    bool readAgain_ = false;  // started again meanwhile: its lines are stale
    Source source_;
    QDate today_;
    std::shared_ptr<std::atomic_bool> stop_;
    std::thread thread_;
};
