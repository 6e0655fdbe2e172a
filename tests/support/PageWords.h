#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

// The words of a PDF page with their boxes in points from the page's
// top-left corner, as poppler's pdftotext -bbox reads them.
struct PageWord {
    QString text;
    QRectF box;
};

inline QList<PageWord> pageWords(const QString& path, int page) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"));
    QList<PageWord> words;
    auto it = word.globalMatch(xml);
    while (it.hasNext()) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        words.append({text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

// Millimetres to points.
inline QRectF pointsOf(const QRectF& millimetres) {
    const double k = 72.0 / 25.4;
    return QRectF(millimetres.left() * k, millimetres.top() * k, millimetres.width() * k,
                  millimetres.height() * k);
}
