#pragma once

#include <QList>
#include <QStringList>
#include <QTextStream>

struct ArchiveDefinition;

namespace importer {

// The usage line of `importa`.
extern const char* const kUsageLine;

// `importa ARCHIVIO --file F [--anno AAAA] [--prova] [--separatore X]
// [--codifica utf-8|cp1252] [--colonne "Titolo=Campo,..."] [--tutto-o-niente]
// [--doppioni] [--taglia]`, over the archives of the registry: 0 when every
// row was imported (or, with --prova, would be), 1 when some were refused
// or the file could not be read, 2 on a usage error.
int importa(const QList<const ArchiveDefinition*>& archives, const QStringList& args,
            QTextStream& out, QTextStream& err);

}  // namespace importer
