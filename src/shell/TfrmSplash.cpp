#include "shell/TfrmSplash.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "shell/ProgramInfo.h"

namespace {

// The large picture: the program's icon and name over a forest-to-gold
// gradient.
QPixmap splashPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(0x1f, 0x4d, 0x2b));
    gradient.setColorAt(1, QColor(0xc8, 0x9b, 0x2c));
    painter.fillRect(picture.rect(), gradient);

    const int iconSize = size.height() * 2 / 3;
    programIcon("selvadoro")
        .paint(&painter, QRect(24, (size.height() - iconSize) / 2, iconSize, iconSize));

    const QRect textArea(iconSize + 48, 0, size.width() - iconSize - 64, size.height());
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(36);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(textArea.adjusted(0, 0, 0, -size.height() / 3),
                     Qt::AlignLeft | Qt::AlignBottom, programinfo::name());
    QFont subtitle = painter.font();
    subtitle.setPointSize(12);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(
        textArea.adjusted(0, size.height() * 2 / 3, 0, 0),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Versione %1\n%2").arg(programinfo::version(), programinfo::makerNotice()));
    return picture;
}

}  // namespace

TfrmSplash::TfrmSplash(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral(" Selvadoro - ") + programinfo::makerNotice());
    makeFixedDialog(this, QSize(661, 467));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(splashPicture(QSize(633, 330)));
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);

    auto* description = new QLabel(programinfo::description(), this);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    layout->addWidget(description);
    layout->addStretch(1);

    addLinkAndCloseRow(this, layout, QStringLiteral("imgWeb"), "sito", 24, programinfo::makerSite(),
                       [] { seams::desktop().shellOpen(programinfo::makerSite()); });
}

void TfrmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOver(this, parentWidget());
}
