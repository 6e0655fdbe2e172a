#pragma once

// The generated year of deadlines the benchmarks measure (2024), shared by
// the deadlines' Google Benchmark program and the table's data.
#include <QDate>
#include <QFile>
#include <QString>

#include "deadlines/DeadlineRules.h"
#include "deadlines/TRecScadenza.h"
#include "records/RecordCodec.h"

namespace bench {

// Deadlines spread over the year, a few hours a day, notices of 0 to 30
// days: on the day measured some 4% of them are imminent.
inline void writeDeadlineYear(const QString& path, int count) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const char* reasons[] = {"Rinnovo porto di fucile", "Quota sociale", "Tassa regionale",
                             "Visita medica", "Assicurazione"};
    const char* hunters[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo"};
    const QString text = QStringLiteral("pratica in corso presso gli uffici, ").repeated(6);
    const QStringList months = deadlines::monthNames();
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        const QDate date = QDate(2024, 1, 1).addDays(i % 366);
        TRecScadenza d;
        d.Giorno = QStringLiteral("%1").arg(date.day(), 2, 10, QChar(u'0'));
        d.Mese = months.at(date.month() - 1);
        d.Anno = QStringLiteral("2024");
        d.Data = date.toString(QStringLiteral("dd/MM/yyyy"));
        d.OreApp = QStringLiteral("%1").arg(8 + i % 10, 2, 10, QChar(u'0'));
        d.MinutiApp = QStringLiteral("%1").arg((i * 7) % 60, 2, 10, QChar(u'0'));
        d.Ora = d.OreApp + u':' + d.MinutiApp;
        d.Avviso = QString::number(i % 31);
        d.Cliente =
            QString::fromLatin1(hunters[(i / 7) % 6]) + QStringLiteral(" Nome%1").arg(i % 977);
        d.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
        d.Recapito = QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0'));
        d.Oggetto = QStringLiteral("Oggetto %1: ").arg(i) + text;
        d.Tipologia = QStringLiteral("Tipologia %1").arg(i % 13);
        d.Protocollo = QStringLiteral("P-%1").arg(i);
        d.Apertura = QStringLiteral("01/01/2024");
        d.Stato = QStringLiteral("In corso");
        d.Consulente = QStringLiteral("Consulente %1").arg(i % 50);
        d.Dettagli = QString::fromLatin1(reasons[i % 5]) + QStringLiteral(", ") + text;
        d.Officina = QStringLiteral("Bonifico bancario presso la banca di zona");
        d.Costo = QStringLiteral("%1,50").arg(10 + i % 400);
        d.Contatto = QStringLiteral("Ricevuta %1").arg(i);
        d.Note = QStringLiteral("note della scadenza %1, ").arg(i) + text;
        d.DaConfermare = i % 11 == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        d.Effettuata = i % 3 == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        block += codec::encode(TRecScadenza::layout(), d.toValues());
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

}  // namespace bench
