#include "app/CommandLine.h"

#include <QFileInfo>
#include <QScopedValueRollback>
#include <array>

#include "app/Archives.h"
#include "app/CommandBackup.h"
#include "app/CommandCards.h"
#include "app/CommandGuide.h"
#include "app/CommandLists.h"
#include "app/CommandMailing.h"
#include "backup/Staging.h"
#include "base/CommandArgs.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "checks/CommandControlla.h"
#include "import/CommandImporta.h"
#include "membership/CommandMembership.h"
#include "records/FieldRules.h"
#include "shell/ProgramInfo.h"

namespace commandline {
namespace {

// Today as "--oggi" sets it for one command, the time of day the real one.
class DayClock final : public Clock {
public:
    DayClock(const Clock& real, QDate day) : real_(real), day_(day) {}
    QDate today() const override { return day_; }
    QDateTime now() const override { return QDateTime(day_, real_.now().time()); }

private:
    const Clock& real_;
    QDate day_;
};

int help(const QStringList&, QTextStream& out, QTextStream&) {
    out << usage();
    return 0;
}

int version(const QStringList&, QTextStream& out, QTextStream&) {
    out << programinfo::name() << ' ' << programinfo::version() << '\n';
    return 0;
}

int importCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    return importer::importa(archives::all(), args, out, err);
}

// Every subcommand: its name, the line of the usage text, what runs it.
// args holds the subcommand's own arguments, after its name.
struct Command {
    const char* name;
    const char* usageLine;
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
    // It draws (pages, pictures), so it needs the graphical application
    // object; the others run on the plain one, quicker to start.
    bool draws = false;
};

const std::array kCommands{
    Command{"aiuto", "aiuto                      mostra questo testo", &help},
    Command{"cerca",
            "cerca ARCHIVIO [--anno AAAA] [Campo=testo ...]\n"
            "                             elenca le schede che contengono i testi nei campi\n"
            "                             indicati (per esempio: cerca anagrafica Cognome=ross)",
            &runSearch},
    Command{"esporta",
            "esporta ARCHIVIO [--anno AAAA] [--formato xls|xlsx|csv|ics] [--file PERCORSO]\n"
            "                             esporta l'archivio nel file di Excel (xls, il\n"
            "                             formato di sempre, o xlsx), in CSV con tutti i campi\n"
            "                             o, per battute e scadenzario, nel calendario (ics)",
            &runExport},
    Command{"agenda",
            "agenda                     elenca le cose da fare oggi, come il pannello\n"
            "                             \"Da fare\" della finestra di avvio",
            &runAgenda},
    Command{"riepilogo",
            "riepilogo RIEPILOGO [--anno AAAA | --data gg/mm/aaaa] [--file PERCORSO]\n"
            "                             elenca le schede di un riepilogo o le righe di un\n"
            "                             elenco di scadenze (vedi sotto)",
            &runSummary},
    Command{"stampa",
            "stampa ARCHIVIO N [--anno AAAA] --pdf FILE\n"
            "                             scrive in PDF la scheda stampata del record N",
            &runPrint, true},
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
    Command{"importa", importer::kUsageLine, &importCommand},
    Command{"guida",
            "guida [ARGOMENTO | --titoli | --pdf FILE]\n"
            "                             mostra la guida, i titoli dei suoi argomenti,\n"
            "                             oppure la scrive in PDF",
            &guideCommand, true},
    Command{"etichette",
            "etichette ARCHIVIO [Campo=testo ...] [--formato 3x8|3x7|2x7|personalizzato]\n"
            "          [--inizio N] --pdf FILE\n"
            "                             scrive in PDF le etichette degli indirizzi delle\n"
            "                             schede trovate (a partire dall'etichetta N)",
            &runLabels, true},
    Command{"tessere",
            "tessere ARCHIVIO [Campo=testo ...] --stagione AAAA/AAAA --pdf FILE\n"
            "                             scrive in PDF le tessere associative delle schede\n"
            "                             trovate, dieci per pagina",
            &runCards, true},
    Command{"lettere",
            "lettere N --pdf FILE | --eml CARTELLA [--tutti-gli-omonimi | --scheda N[,N...]]\n"
            "                             scrive le lettere della comunicazione N ai suoi\n"
            "                             destinatari in PDF, o un messaggio .eml per ciascuno;\n"
            "                             un nome di più schede vuole tutti gli omonimi o le\n"
            "                             schede scelte",
            &runLetters, true},
    Command{"tesseramento", membership::kMembershipUsage, &membership::tesseramento, true},
    Command{"ricevuta", membership::kReceiptUsage, &membership::ricevuta, true},
    Command{"libro-soci", membership::kRegisterUsage, &membership::libroSoci, true},
    Command{"associazione",
            "associazione [--nome T] [--indirizzo T] [--codice-fiscale T] [--telefono T]\n"
            "             [--email T] [--luogo T] [--firma T] [--logo FILE]\n"
            "                             mostra o cambia i dati dell'associazione\n"
            "                             (intestazione di lettere e tessere, mittente\n"
            "                             delle e-mail); \"\\n\" nei testi va a capo",
            &runAssociation},
    Command{"password-iniziale",
            "password-iniziale FILE     scrive un file della password con la password\n"
            "                             di primo accesso",
            &firstPasswordCommand},
    Command{"backup",
            "backup [--destinazione CARTELLA] [--conserva N]\n"
            "                             scrive un backup verificato della cartella dei dati\n"
            "                             (file zip; senza --destinazione, nella cartella\n"
            "                             dei backup delle impostazioni)\n"
            "  backup --elenco [--destinazione CARTELLA]\n"
            "                             elenca i backup con le schede di ogni archivio\n"
            "  backup --verifica FILE     rilegge tutto un backup e lo controlla",
            &backupCommand},
    Command{"ripristina",
            "ripristina FILE [--prova]  rimette i file di un backup nella cartella dei dati,\n"
            "                             dopo un backup dello stato attuale; con --prova\n"
            "                             mostra soltanto che cosa cambierebbe",
            &restoreCommand},
};

// The options every program answers: they print and end, like a command
// that draws nothing.
struct OptionCommand {
    const char* name;
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
};

const std::array kOptionCommands{
    OptionCommand{"--help", &help},
    OptionCommand{"-h", &help},
    OptionCommand{"--version", &version},
};

// The command running, whose usage a usage error shows.
const Command* running = nullptr;

const OptionCommand* optionCommand(const QString& name) {
    for (const OptionCommand& option : kOptionCommands) {
        if (name == QLatin1String(option.name)) return &option;
    }
    return nullptr;
}

// A platform of the list in QT_QPA_PLATFORM ("xcb", "wayland-egl:opzioni")
// that needs a display server.
bool needsDisplayServer(QStringView platform) {
    const QStringView name = platform.left(platform.indexOf(u':')).trimmed();
    return name.isEmpty() || name == u"xcb" || name.startsWith(u"wayland");
}

}  // namespace

bool wantsCommand(const QStringList& args) {
    return args.size() > 1 &&
           (!args.at(1).startsWith(QLatin1String("-")) || optionCommand(args.at(1)));
}

bool drawsNothing(const QStringList& args) {
    if (optionCommand(args.value(1))) return true;
    for (const Command& c : kCommands) {
        if (args.value(1) == QLatin1String(c.name)) return !c.draws;
    }
    return false;
}

bool displayAvailable(const QString& platform, const QString& x11Display,
                      const QString& waylandDisplay) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!x11Display.isEmpty() || !waylandDisplay.isEmpty()) return true;
    // Without a display server, only a platform of the list that needs none
    // (offscreen, vnc, linuxfb, eglfs...) can open the windows.
    for (const QStringView one : QStringView(platform).split(u';')) {
        if (!needsDisplayServer(one)) return true;
    }
    return false;
#else
    Q_UNUSED(platform);
    Q_UNUSED(x11Display);
    Q_UNUSED(waylandDisplay);
    return true;
#endif
}

QString noDisplayMessage() {
    return QStringLiteral(
        "Selvadoro: nessuno schermo disponibile per aprire le finestre.\n"
        "Per usare il programma dalla riga di comando: selvadoro aiuto\n");
}

QString usage() {
    QString text = QStringLiteral(
        "Uso: selvadoro [--cartella CARTELLA] [COMANDO ... [--oggi gg/mm/aaaa]]\n"
        "     selvadoro --help | -h | --version\n"
        "\n"
        "Senza comando si apre il programma. La cartella dei dati è quella\n"
        "indicata da --cartella o da SELVADORO_CARTELLA; altrimenti è la cartella\n"
        "del programma, se vi si può scrivere e contiene i suoi file (Guida.pdf),\n"
        "oppure, per il programma installato nel sistema, la cartella Selvadoro\n"
        "dentro la cartella dei documenti del desktop (Documenti su un desktop in\n"
        "italiano), creata al primo avvio.\n"
        "Ogni comando accetta --oggi, la data da usare come oggi. --anno sceglie\n"
        "l'anno di un archivio annuale (di solito quello di oggi).\n"
        "--help e -h mostrano questo testo, --version il nome e la versione.\n"
        "\n"
        "Comandi:\n");
    for (const Command& command : kCommands) {
        text += QStringLiteral("  ") + QString::fromUtf8(command.usageLine) + u'\n';
    }
    // The archives, the printable ones and the summaries, from the registry.
    QStringList names;
    QStringList yearly;
    QStringList printable;
    QStringList documents;
    QString summaries;
    for (const ArchiveDefinition* archive : archives::all()) {
        names.append(QString::fromLatin1(archive->name));
        if (archive->yearFile) {
            yearly.append(QString::fromLatin1(archive->name) +
                          (archive->yearNaming
                               ? QStringLiteral(" (%1 %2)")
                                     .arg(QString::fromLatin1(archive->yearNaming->option),
                                          QString::fromLatin1(archive->yearNaming->placeholder))
                               : QString()));
        }
        if (archive->sheet) printable.append(QString::fromLatin1(archive->name));
        if (archive->rtfCard) documents.append(QString::fromLatin1(archive->name));
        for (const SummaryDefinition* summary : archive->summaries) {
            summaries += QStringLiteral("  %1 %2\n")
                             .arg(QString::fromLatin1(summary->commandName).leftJustified(26),
                                  summary->printTitle);
        }
        for (const ExportDefinition* list : archive->datedLists) {
            summaries += QStringLiteral("  %1 %2%3\n")
                             .arg(QString::fromLatin1(list->commandName).leftJustified(26),
                                  list->caption.trimmed(),
                                  list->chosenDate ? QStringLiteral(" (--data)") : QString());
        }
    }
    text += QStringLiteral("\nArchivi: ") + names.join(QStringLiteral(", ")) + u'\n';
    text +=
        QStringLiteral("Archivi annuali (--anno): ") + yearly.join(QStringLiteral(", ")) + u'\n';
    text += QStringLiteral("Archivi con scheda stampabile: ") +
            printable.join(QStringLiteral(", ")) + u'\n';
    text += QStringLiteral("Archivi con documento RTF: ") + documents.join(QStringLiteral(", ")) +
            u'\n';
    QStringList labels;
    for (const ArchiveDefinition* archive : archives::all()) {
        if (archive->mailing) labels.append(QString::fromLatin1(archive->name));
    }
    text += QStringLiteral("Archivi con etichette e tessere: ") +
            labels.join(QStringLiteral(", ")) + u'\n';
    text += QStringLiteral("Riepiloghi:\n") + summaries;
    return text;
}

int usageError(QTextStream& err, const QString& message) {
    return commandargs::usageError(err, message,
                                   running ? QString::fromUtf8(running->usageLine) : QString());
}

bool existingArchive(const QString& path, QTextStream& err) {
    if (QFileInfo(path).isFile()) return true;
    err << "Archivio non trovato: " << path << "\n";
    return false;
}

int criteriaTexts(const SearchDefinition& search, const QStringList& criteria, QStringList* texts,
                  QTextStream& err) {
    *texts = QStringList(search.criteria.size());
    for (const QString& arg : criteria) {
        const qsizetype equals = arg.indexOf(u'=');
        qsizetype criterion = -1;
        for (qsizetype i = 0; equals > 0 && i < search.criteria.size(); ++i) {
            if (arg.left(equals) == search.criterionName(i)) criterion = i;
        }
        if (criterion < 0) {
            QStringList fields;
            for (qsizetype i = 0; i < search.criteria.size(); ++i)
                fields.append(search.criterionName(i));
            return usageError(err, QStringLiteral("Criterio non valido: %1 (campi: %2)")
                                       .arg(arg, fields.join(QStringLiteral(", "))));
        }
        (*texts)[criterion] = arg.mid(equals + 1);
    }
    return 0;
}

int takeYear(const ArchiveDefinition& archive, QStringList& args, QString* year, QTextStream& err) {
    year->clear();
    if (!archive.yearFile) return 0;
    const QDate today = seams::clock().today();
    const YearNaming* naming = archive.yearNaming;
    if (naming) {
        *year = naming->yearOf(naming->periodOn(today));
    } else {
        *year = today.year() >= 1 && today.year() <= 9999
                    ? QStringLiteral("%1").arg(today.year(), 4, 10, QChar(u'0'))
                    : QString();
    }
    const QString option = naming ? QString::fromLatin1(naming->option) : QStringLiteral("--anno");
    if (const qsizetype at = args.indexOf(option); at >= 0) {
        if (at + 1 >= args.size() || args.indexOf(option, at + 1) >= 0) {
            return usageError(err, naming
                                       ? QStringLiteral("%1 vuole un valore (%2), una volta.")
                                             .arg(option, QString::fromLatin1(naming->placeholder))
                                       : QStringLiteral("--anno vuole un anno, una volta."));
        }
        *year = args.at(at + 1);
        args.remove(at, 2);
        if (naming) {
            const QString typed = *year;
            *year = naming->yearOf(typed);
            if (year->isEmpty()) {
                return usageError(
                    err, QStringLiteral("Valore non valido per %1 (%2): %3")
                             .arg(option, QString::fromLatin1(naming->placeholder), typed));
            }
        }
    }
    // The year becomes a file name: exactly four digits, nothing else.
    if (year->size() != 4 || !text::isAllDigits(*year)) {
        return usageError(err, QStringLiteral("Anno non valido (quattro cifre): ") + *year);
    }
    return 0;
}

int run(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString name = args.value(1);
    if (const OptionCommand* option = optionCommand(name)) {
        return option->run(args.mid(2), out, err);
    }
    const Command* command = nullptr;
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name)) command = &c;
    }
    if (!command) return usageError(err, QStringLiteral("Comando sconosciuto: ") + name);
    // A restore cut short is finished (or taken back) before anything reads,
    // and what dead processes left in the staging place goes.
    if (const QString settled = backup::staging::settleInterrupted(); !settled.isEmpty()) {
        err << settled << '\n';
        return 1;
    }
    backup::staging::removeStale();
    const QScopedValueRollback<const Command*> runningNow(running, command);
    // "--oggi D" is today for the whole command.
    QStringList own = args.mid(2);
    const QString option = QStringLiteral("--oggi");
    const qsizetype at = own.indexOf(option);
    if (at < 0) return command->run(own, out, err);
    if (at + 1 >= own.size() || own.indexOf(option, at + 1) >= 0) {
        return usageError(err, QStringLiteral("--oggi vuole una data (gg/mm/aaaa), una volta."));
    }
    const auto today = fieldrules::parseDate(own.at(at + 1));
    if (!today) return usageError(err, QStringLiteral("Data non valida: ") + own.at(at + 1));
    own.remove(at, 2);
    const Clock& previous = seams::clock();
    const DayClock clock(previous, *today);
    seams::setClock(&clock);
    const int status = command->run(own, out, err);
    seams::setClock(&previous);
    return status;
}

}  // namespace commandline
