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
// stop; the reading ends at its next block.
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
    bool ready() const { return ready_; }
    const QList<AgendaLine>& lines() const { return lines_; }

Q_SIGNALS:
    void lineClicked(const AgendaLine& line);
    void linesShown();

private:
    void show(const QList<AgendaLine>& lines);

    QLabel* lblStato_;
    QVBoxLayout* list_;
    QList<AgendaLine> lines_;
    bool ready_ = false;
    std::shared_ptr<std::atomic_bool> stop_;
    std::thread thread_;
};
