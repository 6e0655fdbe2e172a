#include "hunters/TfrmStampaAnagrafica.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/CardWindow.h"
#include "base/Seams.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"
#include "report/Report.h"

namespace {

struct ModeTexts {
    const char* window;
    const char* caption;
    const char* button;
    const char* icon;
};

ModeTexts textsOf(TfrmStampaAnagrafica::Mode mode) {
    if (mode == TfrmStampaAnagrafica::Mode::Preview) {
        return {"TfrmAnteprimaAnagrafica", " Anteprima di stampa", "Mostra anteprima",
                ":/icons/anteprima.svg"};
    }
    return {"TfrmStampaAnagrafica", " Stampa scheda", "Stampa", ":/icons/stampa.svg"};
}

}  // namespace

TfrmStampaAnagrafica::TfrmStampaAnagrafica(Mode mode, CardWindow* card)
    : QDialog(card), mode_(mode), card_(card) {
    const ModeTexts texts = textsOf(mode);
    setObjectName(QString::fromLatin1(texts.window));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgStampa"));
    picture->setPixmap(QIcon(QString::fromLatin1(texts.icon)).pixmap(64, 64));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);

    auto* buttons = new QHBoxLayout;
    auto* btnStampa = new QPushButton(QString::fromUtf8(texts.button), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaAnagrafica::printSheet);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmStampaAnagrafica::reject);
}

void TfrmStampaAnagrafica::printSheet() {
    const QDateTime now = seams::clock().now();
    report::Report sheet =
        hunters::hunterSheet(TRecCacciatore::fromValues(card_->cardValues()), now);
    if (report::Page* page = sheet.findPage(QStringLiteral("Page1"))) {
        page->orientation = QPageLayout::Portrait;
    }
    const report::PreparedReport prepared = report::prepare(sheet, now.date());
    if (mode_ == Mode::Preview) {
        seams::printing().preview(prepared);
    } else {
        seams::printing().print(prepared);
    }
    accept();
}

void TfrmStampaAnagrafica::showFor(CardWindow* card, Mode mode) {
    TfrmStampaAnagrafica window(mode, card);
    window.exec();
}
