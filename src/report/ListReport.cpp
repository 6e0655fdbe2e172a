#include "report/ListReport.h"

namespace report {

Report listReport(const QString& title, const QStringList& lines) {
    const QColor slateGrey(0x70, 0x80, 0x90);
    Page page;
    page.name = QStringLiteral("Page1");
    page.orientation = QPageLayout::Landscape;
    const double width = mm(297 - 20);

    TextObject titleText;
    titleText.name = QStringLiteral("txtTitolo");
    titleText.rect = QRectF(0, 0, width, 28);
    titleText.text = title;
    titleText.font = QFont(QStringLiteral("Verdana"), 12, QFont::Bold);
    titleText.color = Qt::white;
    titleText.background = slateGrey;
    titleText.alignment = Qt::AlignCenter;
    page.bands.append(Band{QStringLiteral("Titolo"), Band::Kind::Title, 38, {titleText}});

    // Each line is 12.822 units high; the band is 10 units taller. A line
    // wider than the paper continues on the next line instead of running
    // off the sheet.
    const double linesHeight = lines.size() * 12.822;
    TextObject summary;
    summary.name = QStringLiteral("txtRiepilogo");
    summary.rect = QRectF(0, 5, width, linesHeight);
    summary.text = lines.join(u'\n');
    summary.font = QFont(QStringLiteral("Courier New"), 8);
    summary.wordWrap = true;
    page.bands.append(
        Band{QStringLiteral("MasterData"), Band::Kind::MasterData, linesHeight + 10, {summary}});

    TextObject footer;
    footer.name = QStringLiteral("txtPiede");
    footer.rect = QRectF(0, 4, width, 22);
    footer.text = QStringLiteral("Stampa eseguita in data [DATE]");
    footer.font = QFont(QStringLiteral("Verdana"), 9, QFont::Bold);
    footer.color = Qt::white;
    footer.background = slateGrey;
    footer.alignment = Qt::AlignCenter;
    page.bands.append(Band{QStringLiteral("Piede"), Band::Kind::Footer, 26, {footer}});

    Report report;
    report.pages.append(page);
    return report;
}

}  // namespace report
