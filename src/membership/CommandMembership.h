#pragma once

#include <QStringList>
#include <QTextStream>

// The membership's commands: `tesseramento` (rinnova, paga, annulla,
// totali), `ricevuta` and `libro-soci`. Each returns 0 when done, 1 when
// the request is refused or a file fails (an Italian message on `err`),
// 2 on a usage error.
namespace membership {

extern const char* const kMembershipUsage;
extern const char* const kReceiptUsage;
extern const char* const kRegisterUsage;

int tesseramento(const QStringList& args, QTextStream& out, QTextStream& err);
int ricevuta(const QStringList& args, QTextStream& out, QTextStream& err);
int libroSoci(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace membership
