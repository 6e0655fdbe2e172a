#include "app/TfrmAvvio.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Archives.h"
#include "app/GuiArchives.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWindow.h"
#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "import/ImportWindow.h"
#include "mailing/TfrmAssociazione.h"
#include "records/RecordFile.h"
#include "shell/HelpTopics.h"
#include "shell/ProgramInfo.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "windows/CardWindow.h"
#include "windows/ExportWindow.h"
#include "windows/GuiCards.h"
#include "windows/SummaryWindow.h"

namespace {

constexpr qsizetype kTilesPerRow = 3;

AgendaWidget::Source& agendaSource() {
    static AgendaWidget::Source source = [](const QDate& today, const std::atomic_bool& stop) {
        return agenda::compute(archives::all(), today, &stop);
    };
    return source;
}

constexpr const char* kAgendaKey = "avvio/mostraDaFare";

// How often the launcher looks whether another station has changed the
// archives (only the files' lengths and times, nothing read).
constexpr int kAgendaCheckMs = 60 * 1000;

}  // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Selvadoro"));
    setWindowIcon(programWindowIcon());

    auto* outer = new QVBoxLayout(this);
    outer->addStretch(1);
    auto* centre = new QHBoxLayout;
    outer->addLayout(centre);
    outer->addStretch(1);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpPannello"));
    panel->setStyleSheet(QStringLiteral(
        "QFrame#shpPannello { background: white; border: 2px solid #8fb8e0; border-radius: 6px; }"
        "QPushButton { background: #2d5f96; color: white; font: bold 11pt; padding: 6px; "
        "border: none; border-radius: 3px; }"
        "QPushButton:disabled { background: #a9b8c8; color: #eef2f6; }"));
    centre->addStretch(1);
    centre->addWidget(panel);
    centre->addStretch(1);

    auto* content = new QVBoxLayout(panel);
    content->setContentsMargins(24, 12, 24, 12);

    // Small icons at the corners: information and guide at the top,
    // the splash window at the bottom left.
    auto* corners = new QHBoxLayout;
    auto* imgInfo = pictureButton(panel, QStringLiteral("imgInfo"), "info", 32);
    imgInfo->setToolTip(QStringLiteral("Informazioni su Selvadoro."));
    auto* imgGuida = pictureButton(panel, QStringLiteral("imgGuida"), "guida", 32);
    imgGuida->setToolTip(QStringLiteral("Visualizza la guida all'utilizzo del software."));
    auto* imgImporta = pictureButton(panel, QStringLiteral("imgImporta"), "carica", 32);
    imgImporta->setToolTip(QStringLiteral("Importa un elenco (CSV o Excel) in un archivio."));
    corners->addWidget(imgInfo);
    corners->addStretch(1);
    corners->addWidget(imgImporta);
    corners->addWidget(imgGuida);
    content->addLayout(corners);
    connect(imgInfo, &QToolButton::clicked, this, [this] {
        TfrmInfo window(this);
        window.exec();
    });
    connect(imgImporta, &QToolButton::clicked, this, [this] {
        ImportWindow window(archives::all(), this, archives::captions(archives::all()));
        window.exec();
        refreshAgenda();
    });
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(this, help::general()); });

    auto* title = new QLabel(QStringLiteral("Selvadoro"), panel);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font: bold 28pt; color: #2d5f96; border: none;"));
    auto* subtitle = new QLabel(QStringLiteral("Gli archivi dell'associazione venatoria"), panel);
    subtitle->setObjectName(QStringLiteral("imgSottotitolo"));
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(QStringLiteral("font: italic 13pt; color: #4a6f96; border: none;"));
    content->addWidget(title);
    content->addWidget(subtitle);
    auto* backupWarning = new QLabel(panel);
    backupWarning->setObjectName(QStringLiteral("lblAvvisoBackup"));
    backupWarning->setWordWrap(true);
    backupWarning->setStyleSheet(QStringLiteral("color: #b02020; font: bold; border: none;"));
    backupWarning->hide();
    content->addWidget(backupWarning);

    auto* tiles = new QGridLayout;
    tiles->setSpacing(18);
    const QList<GuiArchive>& archiveTiles = archives::windows();
    for (qsizetype i = 0; i < archiveTiles.size(); ++i) {
        const GuiArchive& archive = archiveTiles.at(i);
        addTile(tiles, static_cast<int>(i / kTilesPerRow), static_cast<int>(i % kTilesPerRow),
                QString::fromLatin1(archive.tile), archive.caption, archive.icon);
    }
    content->addLayout(tiles);

    agenda_ = new AgendaWidget(panel);
    content->addWidget(agenda_);
    auto* chkDaFare = new QCheckBox(QStringLiteral("Mostra le cose da fare"), panel);
    chkDaFare->setObjectName(QStringLiteral("chkDaFare"));
    chkDaFare->setStyleSheet(QStringLiteral("border: none;"));
    chkDaFare->setChecked(agendaShown());
    agenda_->setVisible(chkDaFare->isChecked());
    content->addWidget(chkDaFare);
    connect(chkDaFare, &QCheckBox::toggled, this, [this](bool shown) {
        setAgendaShown(shown);
        agenda_->setVisible(shown);
        if (shown && isVisible()) startAgenda();
        if (!shown) agenda_->stop();
    });
    connect(agenda_, &AgendaWidget::lineClicked, this, &TfrmAvvio::openAgendaLine);
    agendaTimer_ = new QTimer(this);
    agendaTimer_->setInterval(kAgendaCheckMs);
    connect(agendaTimer_, &QTimer::timeout, this, &TfrmAvvio::refreshAgendaIfChanged);

    auto* bottom = new QHBoxLayout;
    auto* imgCopyright = pictureButton(panel, QStringLiteral("imgCopyright"), "copyright", 32);
    imgCopyright->setToolTip(QStringLiteral("Visualizza la schermata di presentazione."));
    bottom->addWidget(imgCopyright);
    auto* imgBackup = pictureButton(panel, QStringLiteral("imgBackup"), "salva", 32);
    imgBackup->setToolTip(QStringLiteral("Backup e ripristino dei dati."));
    bottom->addWidget(imgBackup);
    connect(imgBackup, &QToolButton::clicked, this, [this] {
        BackupWindow window(archives::all(), this);
        window.exec();
        setBackupWarning(backup::readSettings().lastError);
        // A restore may have put back older archives.
        refreshAgenda();
    });
    auto* imgAssociazione = pictureButton(panel, QStringLiteral("imgAssociazione"), "info", 32);
    imgAssociazione->setToolTip(
        QStringLiteral("Dati dell'associazione: intestazione di lettere e tessere, mittente "
                       "delle e-mail."));
    bottom->addWidget(imgAssociazione);
    connect(imgAssociazione, &QToolButton::clicked, this, [this] {
        TfrmAssociazione window(this);
        window.exec();
    });
    connect(imgCopyright, &QToolButton::clicked, this, [this] {
        TfrmSplash window(this);
        window.exec();
    });
    auto* imgSito = pictureButton(panel, QStringLiteral("imgSito"), "sito", 24);
    imgSito->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    imgSito->setText(makerSite());
    imgSito->setToolTip(QStringLiteral("Visita il sito web di Selvadoro."));
    auto* imgEsci = pictureButton(panel, QStringLiteral("imgEsci"), "esci", 32);
    imgEsci->setToolTip(QStringLiteral("Esci da Selvadoro."));
    bottom->addStretch(1);
    bottom->addWidget(imgSito);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci);
    content->addLayout(bottom);

    connect(imgSito, &QToolButton::clicked, this,
            [] { seams::desktop().shellOpen(TfrmAvvio::makerSite()); });
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::quitRequested);
}

void TfrmAvvio::setBackupWarning(const QString& text) {
    auto* label = findChild<QLabel*>(QStringLiteral("lblAvvisoBackup"));
    label->setText(QStringLiteral("Ultimo backup automatico non riuscito: ") + text);
    label->setVisible(!text.isEmpty());
}

QString TfrmAvvio::makerSite() {
    return programinfo::makerSite();
}

void TfrmAvvio::addTile(QGridLayout* grid, int row, int column, const QString& tile,
                        const QString& caption, const char* icon) {
    auto* box = new QVBoxLayout;
    box->setSpacing(0);
    auto* picture = pictureButton(this, QStringLiteral("img") + tile, icon, 96);
    picture->setToolTip(caption);
    auto* bar = new QPushButton(caption, this);
    bar->setObjectName(QStringLiteral("btn") + tile);
    bar->setCursor(Qt::PointingHandCursor);
    bar->setFocusPolicy(Qt::NoFocus);
    picture->setEnabled(false);
    bar->setEnabled(false);
    box->addWidget(picture, 0, Qt::AlignHCenter);
    box->addWidget(bar);
    grid->addLayout(box, row, column);
    connect(picture, &QToolButton::clicked, this, [this, tile] { openArchive(tile); });
    connect(bar, &QPushButton::clicked, this, [this, tile] { openArchive(tile); });
}

void TfrmAvvio::setCardWindow(const QString& tile, QWidget* card) {
    setCardMaker(tile, card ? CardMaker([card] { return card; }) : CardMaker());
}

void TfrmAvvio::setCardMaker(const QString& tile, CardMaker card) {
    const bool enabled = bool(card);
    cards_.insert(tile, std::move(card));
    findChild<QToolButton*>(QStringLiteral("img") + tile)->setEnabled(enabled);
    findChild<QPushButton*>(QStringLiteral("btn") + tile)->setEnabled(enabled);
}

void TfrmAvvio::openArchive(const QString& tile) {
    const CardMaker maker = cards_.value(tile);
    QWidget* card = maker ? maker() : nullptr;
    if (!card) return;
    if (auto* cardWindow = qobject_cast<CardWindow*>(card)) {
        connect(cardWindow, &CardWindow::closed, this, &TfrmAvvio::cardClosed,
                Qt::UniqueConnection);
    }
    card->showMaximized();
    hide();
}

void TfrmAvvio::setAgendaSource(AgendaWidget::Source source) {
    agendaSource() = std::move(source);
}

bool TfrmAvvio::agendaShown() {
    return QSettings(paths::settingsFile(), QSettings::IniFormat).value(kAgendaKey, true).toBool();
}

void TfrmAvvio::setAgendaShown(bool shown) {
    QSettings(paths::settingsFile(), QSettings::IniFormat).setValue(kAgendaKey, shown);
}

void TfrmAvvio::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    agendaTimer_->start();
    // After the launcher is on the screen: the first time, and again when
    // it shows after a card whose saves changed the archives.
    if (agenda_->isVisibleTo(this)) {
        QTimer::singleShot(0, this, [this] {
            if (!agendaStarted_) {
                startAgenda();
            } else {
                refreshAgendaIfChanged();
            }
        });
    }
}

void TfrmAvvio::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    agendaTimer_->stop();
}

void TfrmAvvio::startAgenda(QByteArray stamp) {
    agendaStarted_ = true;
    const QDate today = seams::clock().today();
    agendaWrites_ = RecordFile::writesInThisRun();
    agendaStamp_ = stamp.isEmpty() ? agenda::stamp(archives::all(), today) : std::move(stamp);
    agenda_->start(agendaSource(), today);
}

void TfrmAvvio::refreshAgenda() {
    if (agendaStarted_ && isVisible() && agenda_->isVisibleTo(this)) startAgenda();
}

void TfrmAvvio::refreshAgendaIfChanged() {
    if (!agendaStarted_ || !isVisible() || !agenda_->isVisibleTo(this)) return;
    // The files' stamp, taken once: compared, then kept by the new reading.
    QByteArray now = agenda::stamp(archives::all(), seams::clock().today());
    if (RecordFile::writesInThisRun() != agendaWrites_ || now != agendaStamp_) {
        startAgenda(std::move(now));
    }
}

CardWindow* TfrmAvvio::showCard(const char* windowName, const QString& file) {
    CardWindow* card = windowName ? cards::cardWindow(QString::fromLatin1(windowName)) : nullptr;
    if (!card) return nullptr;
    connect(card, &CardWindow::closed, this, &TfrmAvvio::cardClosed, Qt::UniqueConnection);
    card->showMaximized();
    hide();
    // A file it cannot work on: the card stays at its start.
    return card->openRecordFile(file) ? card : nullptr;
}

void TfrmAvvio::openAgendaLine(const AgendaLine& line) {
    const QList<AgendaCondition> conditions = line.archive->agenda();
    const AgendaCondition& condition = conditions.at(line.condition);
    const QString file = line.firstFile.isEmpty() ? line.archive->recordFile() : line.firstFile;
    // One record: its card, at that record.
    if (line.count == 1 && !line.unreadable && condition.summary && condition.summary->cardWindow &&
        cards::cardWindow(QString::fromLatin1(condition.summary->cardWindow))) {
        if (CardWindow* card = showCard(condition.summary->cardWindow, file)) {
            card->loadRecord(line.firstRecord);
        }
        return;
    }
    if (condition.summary) {
        // A double-click opens the chosen record in its card, as the same
        // list opened from the card does.
        SummaryWindow window(*condition.summary, this, file);
        window.keepChosen();
        window.exec();
        if (const auto& chosen = window.chosen()) {
            if (CardWindow* card = showCard(condition.summary->cardWindow, file)) {
                card->loadValues(chosen->values, chosen->number);
            }
        }
    } else if (condition.list) {
        ExportWindow window(*condition.list, this, {}, seams::clock().today());
        window.exec();
    }
}

void TfrmAvvio::cardClosed() {
    showMaximized();
}

void TfrmAvvio::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x46, 0x82, 0xB4));  // steel blue
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    // The agenda's reading is told to stop; nothing waits for it.
    agenda_->stop();
    event->accept();
    Q_EMIT quitRequested();
}
