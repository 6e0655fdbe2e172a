#include "shell/PdfGuide.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "base/FileErrors.h"
#include "base/ReplaceFile.h"
#include "shell/HelpTopics.h"
#include "shell/ProgramInfo.h"

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString guideHtml(const QList<const HelpTopic*>& topics) {
    QString html = QStringLiteral("<html><body>");

    // Title page, with the list of topics.
    html += QStringLiteral(
                "<p style=\"margin-top: 140px;\" align=\"center\">"
                "<span style=\"font-size: 36pt; font-weight: bold; color: #2d5f96;\">%1</span>"
                "</p>"
                "<p align=\"center\"><span style=\"font-size: 18pt;\">"
                "Guida all'utilizzo del software</span></p>"
                "<p align=\"center\"><span style=\"font-size: 12pt; color: #4a6f96;\">%2</span></p>"
                "<p align=\"center\">Versione %3</p>")
                .arg(escaped(programinfo::name()), escaped(programinfo::description()),
                     escaped(programinfo::version()));
    html += QStringLiteral("<p style=\"margin-top: 60px;\"><b>Argomenti</b></p><ol>");
    for (const HelpTopic* topic : topics) {
        html += QStringLiteral("<li>%1</li>").arg(escaped(topic->title));
    }
    html += QStringLiteral("</ol>");
    html += QStringLiteral("<p style=\"margin-top: 60px;\" align=\"center\">%1<br>%2<br>%3</p>")
                .arg(escaped(programinfo::makerNotice()), escaped(programinfo::makerSite()),
                     escaped(programinfo::makerEmail()));

    // One section per topic.
    for (const HelpTopic* topic : topics) {
        html += QStringLiteral(
                    "<h1 style=\"page-break-before: always; color: #b22222; font-size: 20pt;\">"
                    "%1</h1>")
                    .arg(escaped(topic->title));
        for (const QString& paragraph : topic->paragraphs) {
            html += QStringLiteral("<p align=\"justify\" style=\"margin-bottom: 8px;\">%1</p>")
                        .arg(escaped(paragraph));
        }
    }
    html += QStringLiteral("</body></html>");
    return html;
}

}  // namespace

bool writeGuidePdf(const QList<const HelpTopic*>& topics, const QString& path, QString* error) {
    const auto fail = [error](const QString& message) {
        if (error) *error = message;
        return false;
    };
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return fail(QStringLiteral("Per scrivere la guida in PDF serve l'ambiente grafico."));
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(
            QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, fileerror::of(file)));
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(
            QStringLiteral("%1 - Guida all'utilizzo del software").arg(programinfo::name()));
        writer.setCreator(programinfo::name() + u' ' + programinfo::version());

        QTextDocument document;
        QFont font;
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Verdana")});
        font.setPointSize(11);
        // Any letter spacing turns ligatures off, so that "fi" stays two
        // letters for whoever searches or copies the text.
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
        document.setDefaultFont(font);
        document.setHtml(guideHtml(topics));
        document.print(&writer);
    }
    if (!commitReplacing(file)) {
        return fail(
            QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, fileerror::of(file)));
    }
    return true;
}
