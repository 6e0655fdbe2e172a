#include "report/CardSheet.h"

#include <QPainter>

#include "base/TextRules.h"

namespace report {
namespace {

// Geometry of the sheet, in report units from the top-left corner of the
// printable area (190 x 277 mm inside 10 mm margins).
const double kWidth = mm(190);
const double kHeight = mm(297 - 20);
const double kRowsTop = mm(12);
const double kRowHeight = mm(5);
const double kCaptionWidth = mm(38);
const double kValueWidth = mm(144);
const double kTableLeft = (kWidth - kCaptionWidth - kValueWidth) / 2;
const double kFootnoteTop = kHeight - mm(6);
constexpr qsizetype kMaxRows = 51;  // the rows end above the footnote

QString fieldText(const FieldValues& texts, FieldId field) {
    return text::trimBlanks(texts.value(field.index));
}

QString rowValue(const SheetRow& row, const FieldValues& texts) {
    if (row.value) return row.value(texts);
    QString value = fieldText(texts, row.first);
    if (row.second) value += QString::fromLatin1(row.separator) + fieldText(texts, *row.second);
    return value;
}

TextObject sheetText(const QString& name, const QRectF& rect, const QString& value,
                     const QFont& font, Qt::Alignment alignment) {
    TextObject object;
    object.name = name;
    object.rect = rect;
    object.text = value;
    object.font = font;
    object.alignment = alignment;
    return object;
}

// The time as the locale writes it in full, without its time zone.
QString longTime(const QTime& time, const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    QString plain;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        plain += c;
    }
    return locale.toString(time, plain.trimmed());
}

}  // namespace

QString sheetFootnote(const QDateTime& now, const QLocale& locale) {
    return QStringLiteral("Stampa eseguita in data ") +
           now.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ") +
           longTime(now.time(), locale);
}

namespace {

Page sheetPage() {
    Page page;
    page.name = QStringLiteral("Page1");
    page.size = QPageSize(QPageSize::A4);
    page.orientation = QPageLayout::Portrait;
    page.margins = QMarginsF(mm(10), mm(10), mm(10), mm(10));
    return page;
}

// The form's rows: one centimetre apart from 24 mm down, captions 52 mm
// wide at the left, values 128 mm wide from 60 mm.
const double kFormRowsTop = 90.7;
const double kFormRowHeight = mm(10);
const double kFormValueLeft = mm(60);
constexpr qsizetype kMaxFormRows = 24;

QFont arial(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

LineObject rule(double y) {
    LineObject line;
    line.line = QLineF(0, y, kWidth, y);
    line.width = 1;
    line.color = QColor(0x2d, 0x5f, 0x96);
    return line;
}

// A small calendar sheet: the logo of printed cards.
QImage logo() {
    QImage image(170, 130, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2d, 0x5f, 0x96), 4));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(20, 12, 130, 110), 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x30, 0x30));
    painter.drawRect(QRectF(22, 14, 126, 26));
    painter.setBrush(QColor(0x2d, 0x5f, 0x96));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            painter.drawRect(QRectF(34 + column * 22, 52 + row * 22, 14, 12));
        }
    }
    return image;
}

Report numberedSheet(const CardSheet& sheet, const FieldValues& cardTexts, const QDateTime& now,
                     const QLocale& locale) {
    Q_ASSERT_X(qsizetype(sheet.rows.size()) <= kMaxFormRows, "cardSheet", "more rows than a page");
    Page page = sheetPage();
    PictureObject picture;
    picture.name = QStringLiteral("imgLogo");
    picture.rect = QRectF(0, 0, mm(17), mm(13));
    picture.image = logo();
    page.objects.append(picture);
    page.objects.append(
        sheetText(QStringLiteral("txtTitolo"), QRectF(mm(22), mm(2), mm(165), mm(10)),
                  QString::fromUtf8(sheet.title), arial(21), Qt::AlignLeft | Qt::AlignVCenter));
    LineObject top = rule(mm(15));
    top.width = 2;
    page.objects.append(top);
    for (qsizetype i = 0; i < qsizetype(sheet.rows.size()); ++i) {
        const SheetRow& row = sheet.rows[std::size_t(i)];
        const double y = kFormRowsTop + i * kFormRowHeight;
        const QString number = QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
        TextObject caption =
            sheetText(QStringLiteral("titCampo") + number, QRectF(0, y, mm(52), kFormRowHeight),
                      QString::fromUtf8(row.caption), arial(12), Qt::AlignLeft | Qt::AlignVCenter);
        caption.wordWrap = true;
        page.objects.append(caption);
        TextObject value = sheetText(
            QStringLiteral("txtCampo") + number, QRectF(kFormValueLeft, y, mm(128), kFormRowHeight),
            rowValue(row, cardTexts), arial(13), Qt::AlignLeft | Qt::AlignVCenter);
        // A subject, reason or note of 250 characters wraps and shrinks
        // rather than run out of its centimetre.
        value.wordWrap = true;
        value.shrinkToFit = true;
        page.objects.append(value);
    }
    page.objects.append(rule(mm(266)));
    page.objects.append(sheetText(QStringLiteral("txtCalce"), QRectF(0, mm(267), kWidth, mm(6)),
                                  sheetFootnote(now, locale), arial(12), Qt::AlignCenter));
    Report report;
    report.pages.append(page);
    return report;
}

}  // namespace

Report cardSheet(const CardSheet& sheet, const FieldValues& cardTexts, const QDateTime& now,
                 const QLocale& locale) {
    if (sheet.form == SheetForm::NumberedRows) {
        return numberedSheet(sheet, cardTexts, now, locale);
    }
    Q_ASSERT_X(qsizetype(sheet.rows.size()) <= kMaxRows, "cardSheet", "more rows than a page");
    Page page = sheetPage();

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(12);
    page.objects.append(sheetText(QStringLiteral("txtTitolo"), QRectF(0, 0, kWidth, mm(8)),
                                  QString::fromUtf8(sheet.title), titleFont, Qt::AlignCenter));

    const QFont rowFont(QStringLiteral("Arial"), 7);
    for (qsizetype i = 0; i < qsizetype(sheet.rows.size()); ++i) {
        const SheetRow& row = sheet.rows[std::size_t(i)];
        const double top = kRowsTop + i * kRowHeight;
        ShapeObject frame;
        frame.rect = QRectF(kTableLeft, top, kCaptionWidth + kValueWidth, kRowHeight);
        frame.frameWidth = 0.75;
        page.objects.append(frame);
        LineObject divider;
        divider.line =
            QLineF(kTableLeft + kCaptionWidth, top, kTableLeft + kCaptionWidth, top + kRowHeight);
        divider.width = 0.75;
        page.objects.append(divider);

        const QString object = QString::fromLatin1(row.object);
        page.objects.append(sheetText(QStringLiteral("lbl") + object.mid(3),
                                      QRectF(kTableLeft, top, kCaptionWidth, kRowHeight),
                                      QString::fromUtf8(row.caption), rowFont,
                                      Qt::AlignLeft | Qt::AlignVCenter));
        TextObject value =
            sheetText(object, QRectF(kTableLeft + kCaptionWidth, top, kValueWidth, kRowHeight),
                      rowValue(row, cardTexts), rowFont, Qt::AlignLeft | Qt::AlignVCenter);
        // The longest fields hold 250 characters: they wrap and shrink
        // rather than run out of their row.
        value.wordWrap = true;
        value.shrinkToFit = true;
        page.objects.append(value);
    }

    page.objects.append(
        sheetText(QStringLiteral("txtCalce"), QRectF(0, kFootnoteTop, kWidth, mm(5)),
                  sheetFootnote(now, locale), QFont(QStringLiteral("Arial"), 8), Qt::AlignCenter));

    Report report;
    report.pages.append(page);
    return report;
}

}  // namespace report
