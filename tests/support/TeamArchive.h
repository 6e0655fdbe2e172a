#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include "support/TeamBytes.h"

// A team as the tests store it: a few fields, laid byte by byte (texts in
// Windows-1252). Name only the fields a test needs:
// TestTeam{.name = "Alfa", .leader = "Rossi Mario"}.
struct TestTeam {
    QByteArray name{};
    QByteArray forms{};
    QByteArray atc{};
    QByteArray leader{};
    QByteArray members{};
    QByteArray emails{};
    QByteArray deputy{};
    QByteArray dogs{};
    QByteArray posts{};
    QByteArray note{};
    QByteArray flag{};
    QByteArray file01{};
    QByteArray desc01{};
};

inline QByteArray teamRecord(const TestTeam& t) {
    TeamBytes bytes;
    bytes.set(TeamBytes::Squadra, t.name)
        .set(TeamBytes::Forme, t.forms)
        .set(TeamBytes::ATC, t.atc)
        .set(TeamBytes::Caposquadra, t.leader)
        .set(TeamBytes::Cacciatori, t.members)
        .set(TeamBytes::Email, t.emails)
        .set(TeamBytes::Vicecapo, t.deputy)
        .set(TeamBytes::Capocanaio, t.dogs)
        .set(TeamBytes::Capoposta, t.posts)
        .set(TeamBytes::Note, t.note)
        .set(TeamBytes::Segnala, t.flag)
        .set(TeamBytes::File01, t.file01)
        .set(TeamBytes::Desc01, t.desc01);
    return bytes.bytes;
}

inline bool writeTeams(const QString& path, const QList<TestTeam>& teams) {
    return writeRecords(path, teams, &teamRecord);
}
