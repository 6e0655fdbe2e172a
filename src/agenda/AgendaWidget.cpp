#include "agenda/AgendaWidget.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

AgendaWidget::AgendaWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("panDaFare"));
    setStyleSheet(QStringLiteral(
        "QFrame#panDaFare { background: #f4f8fc; border: 1px solid #8fb8e0; border-radius: 4px; }"
        "QLabel { border: none; }"
        "QPushButton#agendaLine { text-align: left; background: transparent; color: #2d5f96; "
        "font: 10pt; padding: 2px; border: none; }"
        "QPushButton#agendaLine:hover { text-decoration: underline; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(2);
    auto* title = new QLabel(QStringLiteral("Da fare"), this);
    title->setObjectName(QStringLiteral("lblDaFare"));
    title->setStyleSheet(QStringLiteral("font: bold 11pt; color: #2d5f96;"));
    layout->addWidget(title);
    lblStato_ = new QLabel(this);
    lblStato_->setObjectName(QStringLiteral("lblStatoDaFare"));
    layout->addWidget(lblStato_);
    list_ = new QVBoxLayout;
    list_->setSpacing(0);
    layout->addLayout(list_);
}

AgendaWidget::~AgendaWidget() {
    stop();
    if (thread_.joinable()) thread_.join();
}

void AgendaWidget::start(Source source, const QDate& today) {
    source_ = std::move(source);
    today_ = today;
    ready_ = false;
    if (lines_.isEmpty()) {
        lblStato_->setText(QStringLiteral("Lettura degli archivi in corso..."));
        lblStato_->show();
    }
    if (reading_) {
        // Its lines may have been read before the change: read again once
        // it has ended, rather than wait for it here.
        stop();
        readAgain_ = true;
        return;
    }
    launch();
}

void AgendaWidget::launch() {
    // The last reading has handed its lines over: its thread is ending.
    if (thread_.joinable()) thread_.join();
    reading_ = true;
    readAgain_ = false;
    stop_ = std::make_shared<std::atomic_bool>(false);
    QPointer<AgendaWidget> self(this);
    thread_ = std::thread([self, source = source_, today = today_, stop = stop_] {
        QList<AgendaLine> lines = source(today, *stop);
        // Handed to the panel on its own thread, stopped or not, so that it
        // knows the reading has ended; dropped if the panel is gone.
        QMetaObject::invokeMethod(
            self.data(),
            [self, lines = std::move(lines), stop] {
                if (self) self->ended(lines, stop->load());
            },
            Qt::QueuedConnection);
    });
}

void AgendaWidget::ended(const QList<AgendaLine>& lines, bool stopped) {
    reading_ = false;
    if (readAgain_) return launch();
    if (!stopped) show(lines);
}

void AgendaWidget::stop() {
    if (stop_) stop_->store(true);
}

void AgendaWidget::show(const QList<AgendaLine>& lines) {
    lines_ = lines;
    ready_ = true;
    while (QLayoutItem* item = list_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (lines.isEmpty()) lblStato_->setText(QStringLiteral("Nulla da fare oggi."));
    lblStato_->setVisible(lines.isEmpty());
    for (const AgendaLine& line : lines) {
        auto* button = new QPushButton(line.shown(), this);
        button->setObjectName(QStringLiteral("agendaLine"));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus);
        if (line.unreadable) button->setStyleSheet(QStringLiteral("color: #b00000;"));
        list_->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, line] { Q_EMIT lineClicked(line); });
    }
    Q_EMIT linesShown();
}
