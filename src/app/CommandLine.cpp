#include "app/CommandLine.h"

namespace commandline {

bool wantsCommand(const QStringList& args) {
    return args.size() > 1 && !args.at(1).startsWith(QLatin1String("-"));
}

QString usage() {
    return QStringLiteral(
        "Uso: selvadoro [--cartella CARTELLA] [COMANDO ...]\n"
        "\n"
        "Senza comando si apre il programma. La cartella dei dati è quella del\n"
        "programma, oppure quella indicata da --cartella o da SELVADORO_CARTELLA.\n"
        "\n"
        "Comandi:\n"
        "  aiuto            mostra questo testo\n");
}

int run(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString command = args.value(1);
    if (command == QLatin1String("aiuto")) {
        out << usage();
        return 0;
    }
    err << "Comando sconosciuto: " << command << "\n\n" << usage();
    return 2;
}

}  // namespace commandline
