#include "app/CommandLine.h"

#include <QFileInfo>
#include <array>

#include "app/Archives.h"
#include "app/CommandCards.h"
#include "app/CommandGuide.h"
#include "app/CommandLists.h"
#include "archive/RecordFile.h"
#include "checks/CommandControlla.h"

namespace commandline {
namespace {

int help(const QStringList&, QTextStream& out, QTextStream&) {
    out << usage();
    return 0;
}

// Every subcommand: its name, the line of the usage text, what runs it.
// args holds the subcommand's own arguments, after its name.
struct Command {
    const char* name;
    const char* usageLine;
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
};

const std::array kCommands{
    Command{"aiuto", "aiuto                      mostra questo testo", &help},
    Command{"cerca",
            "cerca ARCHIVIO [Campo=testo ...]\n"
            "                             elenca le schede che contengono i testi nei campi\n"
            "                             indicati (per esempio: cerca anagrafica Cognome=ross)",
            &runSearch},
    Command{"esporta",
            "esporta ARCHIVIO [--file PERCORSO]\n"
            "                             esporta l'archivio nel file di Excel",
            &runExport},
    Command{"riepilogo",
            "riepilogo RIEPILOGO [--oggi gg/mm/aaaa]\n"
            "                             elenca le schede di un riepilogo (vedi sotto)",
            &runSummary},
    Command{"stampa",
            "stampa ARCHIVIO N --pdf FILE\n"
            "                             scrive in PDF la scheda stampata del record N",
            &runPrint},
    Command{"rtf",
            "rtf ARCHIVIO N [--file FILE]\n"
            "                             scrive la scheda del record N nel documento RTF\n"
            "                             (senza --file, nel suo file della cartella dei dati)",
            &runRtf},
    Command{"controlla",
            "controlla cf|piva|iban|carta VALORE\n"
            "                             controlla un codice fiscale, una partita IVA, un IBAN\n"
            "                             o un numero di carta di credito",
            &controlla},
    Command{"guida",
            "guida [ARGOMENTO | --titoli | --pdf FILE]\n"
            "                             mostra la guida, i titoli dei suoi argomenti,\n"
            "                             oppure la scrive in PDF",
            &guideCommand},
    Command{"password-iniziale",
            "password-iniziale FILE     scrive un file della password con la password\n"
            "                             di primo accesso",
            &firstPasswordCommand},
};

}  // namespace

bool wantsCommand(const QStringList& args) {
    return args.size() > 1 && !args.at(1).startsWith(QLatin1String("-"));
}

QString usage() {
    QString text = QStringLiteral(
        "Uso: selvadoro [--cartella CARTELLA] [COMANDO ...]\n"
        "\n"
        "Senza comando si apre il programma. La cartella dei dati è quella del\n"
        "programma, oppure quella indicata da --cartella o da SELVADORO_CARTELLA.\n"
        "\n"
        "Comandi:\n");
    for (const Command& command : kCommands) {
        text += QStringLiteral("  ") + QString::fromUtf8(command.usageLine) + u'\n';
    }
    // The archives, the printable ones and the summaries, from the registry.
    QStringList names;
    QStringList printable;
    QStringList documents;
    QString summaries;
    for (const ArchiveDefinition* archive : archives::all()) {
        names.append(QString::fromLatin1(archive->name));
        if (archive->sheet) printable.append(QString::fromLatin1(archive->name));
        if (archive->rtfCard) documents.append(QString::fromLatin1(archive->name));
        for (const SummaryDefinition* summary : archive->summaries) {
            summaries += QStringLiteral("  %1 %2\n")
                             .arg(QString::fromLatin1(summary->commandName).leftJustified(26),
                                  summary->printTitle);
        }
    }
    text += QStringLiteral("\nArchivi: ") + names.join(QStringLiteral(", ")) + u'\n';
    text += QStringLiteral("Archivi con scheda stampabile: ") +
            printable.join(QStringLiteral(", ")) + u'\n';
    text += QStringLiteral("Archivi con documento RTF: ") + documents.join(QStringLiteral(", ")) +
            u'\n';
    text += QStringLiteral("Riepiloghi:\n") + summaries;
    return text;
}

int usageError(QTextStream& err, const QString& message) {
    err << message << "\n\n" << usage();
    return 2;
}

bool existingArchive(const RecordLayout& layout, QString* path, QTextStream& err) {
    *path = archivePath(layout);
    if (QFileInfo(*path).isFile()) return true;
    err << "Archivio non trovato: " << *path << "\n";
    return false;
}

int run(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString name = args.value(1);
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) return command.run(args.mid(2), out, err);
    }
    err << "Comando sconosciuto: " << name << "\n\n" << usage();
    return 2;
}

}  // namespace commandline
