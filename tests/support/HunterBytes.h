#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// Builds hunter records byte by byte from the documented offsets, without
// the codec under test: each field is (offset, capacity), a length byte
// then the Windows-1252 bytes of the text.
struct HunterBytes {
    static constexpr int kSize = 5090;

    QByteArray bytes = QByteArray(kSize, '\0');

    HunterBytes& set(int offset, const QByteArray& cp1252Text) {
        bytes[offset] = static_cast<char>(cp1252Text.size());
        bytes.replace(offset + 1, cp1252Text.size(), cp1252Text);
        return *this;
    }

    // Offsets of the fields used by the tests.
    enum Offset {
        Cognome = 0,
        Nome = 51,
        CodFisc = 102,
        StatoNasc = 183,
        ProvRes = 424,
        Email = 933,
        Note = 2061,
        Decorrenza = 3291,
        Scadenza = 3302,
        Preavviso = 3313,
        Totale = 3317,
        Contratto = 3333,
        File01 = 3584,
        Desc03 = 4839,
    };
};
