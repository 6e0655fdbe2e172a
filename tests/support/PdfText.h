#pragma once

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>

// Reads PDF files back with poppler's tools, as a reader would see them.

// The text of one page (from 1), or of the whole file when page is 0,
// with its layout kept.
inline QString pdfText(const QString& path, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) {
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    }
    args << path << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text with every run of blanks made one blank: pdftotext spaces words
// as it measures them on the page.
inline QString squeezeBlanks(const QString& text) {
    QString squeezed = text;
    return squeezed.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

// What pdfinfo says, page sizes included.
inline QString pdfInfo(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                              QStringLiteral("-l"), QStringLiteral("9999"), path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPageCount(const QString& path) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(pdfInfo(path));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Page sizes in points, rounded, as "595x842", in page order.
inline QStringList pdfPageSizes(const QString& path) {
    QStringList sizes;
    QRegularExpression size(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    auto it = size.globalMatch(pdfInfo(path));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        sizes.append(QStringLiteral("%1x%2")
                         .arg(qRound(m.captured(1).toDouble()))
                         .arg(qRound(m.captured(2).toDouble())));
    }
    return sizes;
}

// A word as pdftotext finds it on a page, with its box in points from the
// page's top-left corner.
struct PdfWord {
    QString text;
    double left, top, right, bottom;
};

inline QList<PdfWord> pdfWords(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    QList<PdfWord> words;
    QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    auto it = word.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

// The number of pictures drawn in the file.
inline int pdfImageCount(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    process.waitForFinished(60000);
    // Two heading lines, then one line per picture.
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return qMax(0, int(lines.size()) - 2);
}

// The pixel sizes of the pictures drawn in the file, in order.
inline QList<QSize> pdfImageSizes(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    process.waitForFinished(60000);
    QList<QSize> sizes;
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    // Columns: page, num, type, width, height...
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines.at(i).simplified().split(u' ');
        if (columns.size() > 4) sizes.append(QSize(columns.at(3).toInt(), columns.at(4).toInt()));
    }
    return sizes;
}
