#include "weapons/WeaponSheet.h"

#include <QPainter>
#include <array>

#include "base/TextRules.h"
#include "report/CardSheet.h"
#include "weapons/TRecArma.h"
#include "weapons/WeaponPhoto.h"

namespace weapons {
namespace {

using F = TRecArma::Field;
using report::mm;

// Geometry in millimetres from the top-left corner of the printable area
// (190 x 277 mm inside 10 mm margins).
constexpr double kWidth = 190;
constexpr double kHalf = (kWidth - 4) / 2;
constexpr double kBoxesTop = 139;
constexpr double kRowPitch = 13.5;
constexpr double kLabelHeight = 3.8;
constexpr double kBoxHeight = 8.7;

// One labelled box: its label above it, the card field it shows, and its
// place: a full row, or the left or right half of one.
enum class Place { Full, Left, Right };
struct Box {
    const char* label;
    const char* object;
    FieldId field;
    int row;
    Place place;
};

const std::array kBoxes{
    Box{"CALIBRO:", "txtCalibro", F::Calibro, 0, Place::Left},
    Box{"ANNO:", "txtAnno", F::Anno, 0, Place::Right},
    Box{"ACCESSORI:", "txtAccessori", F::Accessori, 1, Place::Full},
    Box{"MATRICOLA N.", "txtMatricola", F::Matricola, 2, Place::Left},
    Box{"PESO IN KG:", "txtPeso", F::Peso, 2, Place::Right},
    Box{"MUNIZIONI E SERBATOI:", "txtMunizioni", F::Munizioni, 3, Place::Left},
    Box{"DIMENSIONI:", "txtDimensioni", F::Dimensioni, 3, Place::Right},
    Box{"COMPONENTI:", "txtComponenti", F::Componenti, 4, Place::Full},
    Box{"LUOGO CONSERVAZIONE:", "txtLuogo", F::Luogo, 5, Place::Full},
    Box{"PROPRIETARIO:", "txtProprietario", F::Proprietario, 6, Place::Full},
    Box{"CODICE FISCALE:", "txtCodFisc", F::CodFisc, 7, Place::Left},
    Box{"TEL. PREFERENZIALE:", "txtRecapito", F::Recapito, 7, Place::Right},
};

QFont arial(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

report::TextObject text(const QString& name, const QRectF& millimetres, const QString& value,
                        const QFont& font, Qt::Alignment alignment) {
    report::TextObject object;
    object.name = name;
    object.rect = QRectF(mm(millimetres.x()), mm(millimetres.y()), mm(millimetres.width()),
                         mm(millimetres.height()));
    object.text = value;
    object.font = font;
    object.alignment = alignment;
    return object;
}

// A value in a framed box: it wraps, and shrinks when it still does not fit.
report::TextObject boxedValue(const QString& name, const QRectF& millimetres, const QString& value,
                              const QFont& font,
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    report::TextObject object =
        text(name, millimetres.adjusted(1, 0.3, -1, -0.3), value, font, alignment);
    object.wordWrap = true;
    object.shrinkToFit = true;
    return object;
}

report::ShapeObject band(const QRectF& millimetres, const QColor& fill, bool framed) {
    report::ShapeObject shape;
    shape.rect = QRectF(mm(millimetres.x()), mm(millimetres.y()), mm(millimetres.width()),
                        mm(millimetres.height()));
    shape.fill = fill;
    shape.frame = framed ? QColor(0x40, 0x40, 0x40) : Qt::transparent;
    shape.frameWidth = 0.75;
    return shape;
}

QImage drawStandIn() {
    QImage image(297, 184, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(QRectF(image.rect()), placeholderPicture());
    return image;
}

}  // namespace

const QImage& sheetStandInPicture() {
    static const QImage picture = drawStandIn();
    return picture;
}

report::Report weaponSheet(const FieldValues& cardTexts, const QDateTime& now,
                           const QLocale& locale) {
    const auto value = [&cardTexts](FieldId field) {
        return text::trimBlanks(cardTexts.value(field.index));
    };
    report::Page page;
    page.name = QStringLiteral("Page1");
    page.size = QPageSize(QPageSize::A4);
    page.orientation = QPageLayout::Portrait;
    page.margins = QMarginsF(mm(10), mm(10), mm(10), mm(10));
    auto& objects = page.objects;

    // The header band: make and model.
    objects.append(band(QRectF(0, 0, kWidth, 11), QColor(0xB0, 0xC4, 0xDE), false));
    objects.append(boxedValue(QStringLiteral("txtArma"), QRectF(0, 0, kWidth, 11), value(F::Arma),
                              arial(16, true), Qt::AlignCenter));

    report::PictureObject photo;
    photo.name = QString::fromLatin1(kSheetPicture);
    photo.rect = QRectF(mm(1), mm(13), mm(188), mm(112));
    photo.image = sheetStandInPicture();
    objects.append(photo);

    // The value, in a box in the middle.
    const double valueLeft = (kWidth - 90) / 2;
    objects.append(band(QRectF(valueLeft, 127, 90, 10), Qt::transparent, true));
    objects.append(text(QStringLiteral("lblValore"), QRectF(valueLeft + 2, 127, 24, 10),
                        QStringLiteral("Valore:"), arial(13, true),
                        Qt::AlignLeft | Qt::AlignVCenter));
    objects.append(text(QStringLiteral("lblEuro"), QRectF(valueLeft + 26, 127, 8, 10),
                        QStringLiteral("€"), arial(13, true), Qt::AlignCenter));
    objects.append(boxedValue(QStringLiteral("txtPrezzo"), QRectF(valueLeft + 34, 127, 55, 10),
                              value(F::Prezzo), arial(13, true)));

    for (const Box& box : kBoxes) {
        const double left = box.place == Place::Right ? kHalf + 4 : 0;
        const double width = box.place == Place::Full ? kWidth : kHalf;
        const double top = kBoxesTop + box.row * kRowPitch;
        const QString object = QString::fromLatin1(box.object);
        objects.append(text(QStringLiteral("lbl") + object.mid(3),
                            QRectF(left, top, width, kLabelHeight), QString::fromUtf8(box.label),
                            arial(7, true), Qt::AlignLeft | Qt::AlignBottom));
        const QRectF frame(left, top + kLabelHeight, width, kBoxHeight);
        objects.append(band(frame, Qt::transparent, true));
        objects.append(boxedValue(object, frame, value(box.field), arial(9)));
    }

    // The notes, under their band.
    const double notesTop = kBoxesTop + 8 * kRowPitch + 1;
    objects.append(band(QRectF(0, notesTop, kWidth, 5), QColor(0xE6, 0xE6, 0xFA), false));
    objects.append(text(QStringLiteral("lblNote"), QRectF(0, notesTop, kWidth, 5),
                        QStringLiteral("NOTE:"), arial(8, true), Qt::AlignCenter));
    const QRectF notes(0, notesTop + 5.5, kWidth, 267 - notesTop - 5.5);
    objects.append(band(notes, Qt::transparent, true));
    objects.append(boxedValue(QStringLiteral("txtNote"), notes, value(F::Note), arial(9),
                              Qt::AlignLeft | Qt::AlignTop));

    // The footnote, in the gold band at the foot.
    objects.append(band(QRectF(0, 269, kWidth, 8), QColor(0xFF, 0xD7, 0x00), false));
    objects.append(text(QStringLiteral("txtCalce"), QRectF(0, 269, kWidth, 8),
                        report::sheetFootnote(now, locale), arial(8), Qt::AlignCenter));

    report::Report report;
    report.pages.append(page);
    return report;
}

report::Report weaponSheetOfTexts(const FieldValues& cardTexts, const QDateTime& now) {
    return weaponSheet(cardTexts, now);
}

}  // namespace weapons
