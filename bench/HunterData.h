#pragma once

#include <QString>

#include "hunters/TRecCacciatore.h"

// The generated hunter number `i` of the benchmarks: twelve surnames with a
// number, ten names, a permit that expires in May or June 2024 with a
// notice of 30 to 59 days (so about nine in ten are listed on 10 May 2024).
namespace bench {

inline TRecCacciatore hunter(int i) {
    static const char* const surnames[] = {"Rossi",    "Rossetti", "Bianchi", "Verdi",
                                           "Esposito", "Romano",   "Colombo", "Ricci",
                                           "Marino",   "Greco",    "Bruno",   "Gallo"};
    static const char* const names[] = {"Mario", "Marta",  "Luigi",  "Anna",  "Marco",
                                        "Paola", "Giulia", "Franco", "Maria", "Sergio"};
    TRecCacciatore h;
    h.Cognome = QString::fromLatin1(surnames[i % 12]) + QString::number(i % 997);
    h.Nome = QString::fromLatin1(names[(i / 12) % 10]);
    h.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
    h.Recapito = QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0'));
    h.Permesso = QStringLiteral("Squadra dei cinghiali n. %1").arg(i % 40);
    h.ScadePer = QStringLiteral("01/09/2020");
    h.Civile = QStringLiteral("ID-%1").arg(i);
    h.Indirizzo = QStringLiteral("Via dei Cacciatori %1").arg(i % 300);
    h.ComuneRes = QStringLiteral("Comune %1").arg(i % 500);
    h.Decorrenza = QStringLiteral("01/05/2019");
    h.Scadenza = QStringLiteral("%1/0%2/2024").arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(5 + i % 2);
    h.Preavviso = QString::number(30 + i % 30);
    h.Totale = QStringLiteral("150,00");
    h.Note = QStringLiteral("Note della scheda %1: è socio dal 2019").arg(i);
    return h;
}

}  // namespace bench
