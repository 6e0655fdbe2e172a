#include "app/CommandGuide.h"

#include "app/Archives.h"
#include "app/CommandLine.h"
#include "shell/AccessPassword.h"
#include "shell/HelpTopics.h"
#include "shell/PdfGuide.h"

namespace commandline {
namespace {

void printTopic(const HelpTopic& topic, QTextStream& out) {
    out << topic.title << '\n' << QString(topic.title.size(), u'=') << "\n\n";
    out << topic.paragraphs.join(QStringLiteral("\n\n")) << '\n';
}

QString topicKeys() {
    QStringList keys;
    for (const HelpTopic* topic : archives::helpTopics()) keys.append(topic->key);
    return keys.join(QStringLiteral(", "));
}

}  // namespace

int guideCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty()) {
        bool first = true;
        for (const HelpTopic* topic : archives::helpTopics()) {
            if (!first) out << '\n';
            first = false;
            printTopic(*topic, out);
        }
        return 0;
    }
    if (args == QStringList{QStringLiteral("--titoli")}) {
        for (const HelpTopic* topic : archives::helpTopics()) out << topic->title << '\n';
        return 0;
    }
    if (args.size() == 2 && args.at(0) == QLatin1String("--pdf") && !args.at(1).isEmpty()) {
        QString error;
        if (!writeGuidePdf(archives::helpTopics(), args.at(1), &error)) {
            err << error << '\n';
            return 1;
        }
        return 0;
    }
    if (args.size() == 1 && !args.at(0).startsWith(u'-')) {
        if (const HelpTopic* topic = archives::helpTopic(args.at(0))) {
            printTopic(*topic, out);
            return 0;
        }
        return usageError(err, QStringLiteral("Argomento sconosciuto: ") + args.at(0) +
                                   QStringLiteral(". Argomenti: ") + topicKeys() + u'.');
    }
    return usageError(
        err, QStringLiteral("Argomenti non validi. Argomenti della guida: ") + topicKeys() + u'.');
}

int firstPasswordCommand(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 1 || args.at(0).isEmpty() || args.at(0).startsWith(u'-')) {
        return usageError(err, QStringLiteral("Indicare il file della password da scrivere."));
    }
    if (!accesspassword::writePasswordFile(
            args.at(0), accesspassword::normalized(accesspassword::firstAccessPassword()))) {
        err << "Impossibile scrivere il file della password " << args.at(0) << ".\n";
        return 1;
    }
    return 0;
}

}  // namespace commandline
