#include "windows/SheetPrintWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "windows/CardWindow.h"

namespace {

struct ModeTexts {
    const char* caption;
    const char* button;
    const char* icon;
};

ModeTexts textsOf(SheetPrintWindow::Mode mode) {
    if (mode == SheetPrintWindow::Mode::Preview) {
        return {" Anteprima di stampa", "Mostra anteprima", "anteprima"};
    }
    return {" Stampa scheda", "Stampa", "stampa"};
}

}  // namespace

SheetPrintWindow::SheetPrintWindow(const SheetPrinting& printing, Mode mode, CardWindow* card)
    : QDialog(card), printing_(printing), mode_(mode), card_(card) {
    const ModeTexts texts = textsOf(mode);
    setObjectName(
        QString::fromLatin1(mode == Mode::Preview ? printing.previewWindow : printing.printWindow));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgStampa"));
    picture->setPixmap(programPicture(texts.icon, 64));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);

    const OkCancelButtons buttons =
        addOkCancelRow(this, layout, QStringLiteral("btnStampa"), QString::fromUtf8(texts.button),
                       ButtonRow::Shared);
    buttons.ok->setDefault(true);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(buttons.ok, &QPushButton::clicked, this, &SheetPrintWindow::printSheet);
}

void SheetPrintWindow::printSheet() {
    const QDateTime now = seams::clock().now();
    report::Report sheet = printing_.sheet(card_->cardValues(), now);
    if (printing_.picture) {
        if (report::PictureObject* object =
                sheet.findPicture(QString::fromLatin1(printing_.picture))) {
            const QImage picture = card_->picture(report::printPixels(object->rect.size()));
            if (!picture.isNull()) object->image = picture;
        }
    }
    const report::PreparedReport prepared = report::prepare(sheet, now.date());
    if (mode_ == Mode::Preview) {
        seams::printing().preview(prepared);
    } else {
        seams::printing().print(prepared);
    }
    accept();
}

void SheetPrintWindow::showFor(CardWindow* card, const SheetPrinting& printing, Mode mode) {
    SheetPrintWindow window(printing, mode, card);
    window.exec();
}
