#include "mailing/MemberCards.h"

namespace mailing {
report::TextObject textInMm(const QString& name, const QRectF& rectMm, const QString& text,
                            double points, bool bold) {
    report::TextObject object;
    object.name = name;
    object.rect = QRectF(report::mm(rectMm.left()), report::mm(rectMm.top()),
                         report::mm(rectMm.width()), report::mm(rectMm.height()));
    object.text = text;
    object.font = QFont(QStringLiteral("Arial"));
    object.font.setPointSizeF(points);
    object.font.setBold(bold);
    object.shrinkToFit = true;
    return object;
}

namespace {

using report::mm;

constexpr double kLeft = (210 - 2 * kCardWidth) / 2;  // 19.4 mm
constexpr double kTop = (297 - 5 * kCardHeight) / 2;  // 13.5 mm
constexpr double kMarkGap = 2;                        // mm between a mark and the card
constexpr double kMarkLength = 6;                     // mm
// The QR code's modules fill this side (mm), no module wider than
// kQrModule; its quiet zone of four modules lies in the card's inset and
// the gap before the texts, which stay white.
constexpr double kQrSide = 24;
constexpr double kQrModule = 0.7;  // mm
constexpr double kInset = 3;       // mm inside the card's edges

report::TextObject cardText(const QString& name, const QRectF& rectMm, const QString& text,
                            double points, bool bold = false) {
    report::TextObject object = textInMm(name, rectMm, text, points, bold);
    object.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    return object;
}

report::LineObject mark(double x1, double y1, double x2, double y2) {
    report::LineObject line;
    line.line = QLineF(mm(x1), mm(y1), mm(x2), mm(y2));
    line.width = 0.75;
    return line;
}

// Crop marks at every card edge, outside the block of cards.
QList<report::Object> cropMarks() {
    QList<report::Object> marks;
    const double right = kLeft + 2 * kCardWidth;
    const double bottom = kTop + 5 * kCardHeight;
    for (int c = 0; c <= 2; ++c) {
        const double x = kLeft + c * kCardWidth;
        marks.append(mark(x, kTop - kMarkGap - kMarkLength, x, kTop - kMarkGap));
        marks.append(mark(x, bottom + kMarkGap, x, bottom + kMarkGap + kMarkLength));
    }
    for (int r = 0; r <= 5; ++r) {
        const double y = kTop + r * kCardHeight;
        marks.append(mark(kLeft - kMarkGap - kMarkLength, y, kLeft - kMarkGap, y));
        marks.append(mark(right + kMarkGap, y, right + kMarkGap + kMarkLength, y));
    }
    return marks;
}

}  // namespace

QRectF cardRect(int slot) {
    return QRectF(kLeft + (slot % 2) * kCardWidth, kTop + (slot / 2) * kCardHeight, kCardWidth,
                  kCardHeight);
}

QString qrText(const CardData& card, const QString& season) {
    return card.name + u'\n' + card.taxCode + u'\n' + season;
}

report::PictureObject qrPicture(const qr::Matrix& matrix, const QPointF& origin, double module) {
    // Eight pixels a module: drawn at any resolution the picture is made
    // smaller, never blown up (which readers of PDF smooth into grey edges
    // that QR readers miss at 150 dpi). Black and white only, a few
    // kilobytes once compressed.
    QImage image(matrix.width * kQrPixels, matrix.width * kQrPixels, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            line[x] = matrix.isDark(x / kQrPixels, y / kQrPixels) ? 0 : 255;
        }
    }
    report::PictureObject picture;
    picture.rect = QRectF(origin, QSizeF(matrix.width * module, matrix.width * module));
    picture.image = image;
    return picture;
}

bool isSeason(const QString& text) {
    if (text.size() != 9 || text.at(4) != u'/') return false;
    bool first = false;
    bool second = false;
    const int from = text.left(4).toInt(&first);
    const int to = text.mid(5).toInt(&second);
    return first && second && to == from + 1;
}

report::Report memberCardPage(const QList<CardData>& cards, qsizetype pageIndex,
                              const QString& association, const QImage& logo,
                              const QString& season) {
    report::Report result;
    report::Page page;
    page.name = QStringLiteral("Tessere%1").arg(pageIndex + 1);
    page.margins = QMarginsF();
    page.objects = cropMarks();
    const qsizetype first = pageIndex * kCardsPerPage;
    const qsizetype end = qMin(cards.size(), first + kCardsPerPage);
    for (qsizetype i = first; i < end; ++i) {
        const int slot = int(i % kCardsPerPage);
        const CardData& card = cards.at(i);
        const QRectF box = cardRect(slot);
        const double x = box.left() + kInset;
        const double y = box.top() + kInset;
        const double inner = kCardWidth - 2 * kInset;
        const QString suffix = QString::number(i + 1);
        double textLeft = x;
        if (!logo.isNull()) {
            report::PictureObject picture;
            picture.name = QStringLiteral("imgLogo") + suffix;
            picture.rect = QRectF(mm(x), mm(y), mm(11), mm(11));
            picture.image = logo;
            page.objects.append(picture);
            textLeft = x + 12;
        }
        const double headWidth = box.left() + kCardWidth - kInset - textLeft;
        page.objects.append(cardText(QStringLiteral("txtAssociazione") + suffix,
                                     QRectF(textLeft, y, headWidth, 6), association, 10, true));
        page.objects.append(
            cardText(QStringLiteral("txtStagione") + suffix, QRectF(textLeft, y + 6, headWidth, 5),
                     QStringLiteral("Tessera associativa - Stagione ") + season, 8));
        const double rowsTop = y + 14;
        const double rowsWidth = inner - kQrSide - 3;
        // A long name takes two lines before it is drawn smaller.
        report::TextObject name =
            cardText(QStringLiteral("txtNome") + suffix, QRectF(x, rowsTop - 1, rowsWidth, 8.5),
                     card.name, 11, true);
        name.wordWrap = true;
        page.objects.append(name);
        // A line whose value the card lacks is left out, not printed bare.
        if (!card.taxCode.isEmpty()) {
            page.objects.append(cardText(QStringLiteral("txtCodFisc") + suffix,
                                         QRectF(x, rowsTop + 8, rowsWidth, 5),
                                         QStringLiteral("C.F. ") + card.taxCode, 8));
        }
        if (!card.cardNumber.isEmpty()) {
            page.objects.append(cardText(
                QStringLiteral("txtTesserino") + suffix, QRectF(x, rowsTop + 14, rowsWidth, 5),
                QStringLiteral("Tesserino venatorio n. ") + card.cardNumber, 8));
        }
        page.objects.append(cardText(QStringLiteral("txtTessera") + suffix,
                                     QRectF(x, rowsTop + 20, rowsWidth, 5),
                                     QStringLiteral("Tessera n. %1").arg(card.record), 8));
        const qr::Matrix matrix = qr::encode(qrText(card, season).toUtf8());
        if (matrix.width > 0) {
            // Modules as wide as the room allows, so that the densest code
            // still reads at 150 dpi.
            const double module = mm(qMin(kQrModule, kQrSide / matrix.width));
            const QPointF origin(mm(box.right() - kInset) - matrix.width * module,
                                 mm(box.bottom() - kInset) - matrix.width * module);
            report::PictureObject code = qrPicture(matrix, origin, module);
            code.name = QStringLiteral("imgQr") + suffix;
            page.objects.append(code);
        }
    }
    result.pages.append(page);
    return result;
}

qsizetype cardPageCount(qsizetype cards) {
    return (cards + kCardsPerPage - 1) / kCardsPerPage;
}

report::Report memberCards(const QList<CardData>& cards, const QString& association,
                           const QImage& logo, const QString& season) {
    report::Report result;
    for (qsizetype p = 0; p < cardPageCount(cards.size()); ++p) {
        result.pages.append(memberCardPage(cards, p, association, logo, season).pages.first());
    }
    return result;
}

}  // namespace mailing
