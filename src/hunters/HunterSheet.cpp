#include "hunters/HunterSheet.h"

#include <array>

#include "base/TextRules.h"

namespace hunters {
namespace {

using report::mm;
using Field = QString TRecCacciatore::*;

// One row of the sheet: its caption, its value object and the card fields
// it shows (a second field follows the first after the separator).
struct SheetRow {
    const char* caption;
    const char* object;
    Field first;
    const char* separator = nullptr;
    Field second = nullptr;
};

const std::array kRows{
    SheetRow{"Cognome e nome:", "txtRichiedente", &TRecCacciatore::Cognome, " ",
             &TRecCacciatore::Nome},
    SheetRow{"Codice fiscale:", "txtCodFisc", &TRecCacciatore::CodFisc},
    SheetRow{"Sesso:", "txtSesso", &TRecCacciatore::Sesso},
    SheetRow{"Data di nascita:", "txtDataNasc", &TRecCacciatore::DataNasc},
    SheetRow{"Città di nascita:", "txtCittaNasc", &TRecCacciatore::CittaNasc, "  ",
             &TRecCacciatore::StatoNasc},
    SheetRow{"Partita IVA:", "txtIva", &TRecCacciatore::Iva},
    SheetRow{"Via e numero civico:", "txtIndirizzo", &TRecCacciatore::Indirizzo},
    SheetRow{"CAP:", "txtCap", &TRecCacciatore::Cap},
    SheetRow{"Comune di residenza:", "txtComuneRes", &TRecCacciatore::ComuneRes, " ",
             &TRecCacciatore::ProvRes},
    SheetRow{"Gruppo sanguigno:", "txtStatoCit", &TRecCacciatore::StatoCit},
    SheetRow{"Ambiti Territoriali Caccia:", "txtIngresso", &TRecCacciatore::Ingresso},
    SheetRow{"Tel. preferenziale:", "txtRecapito", &TRecCacciatore::Recapito},
    SheetRow{"Tel. casa:", "txtTelCasa", &TRecCacciatore::TelCasa},
    SheetRow{"Tel cellulare:", "txtTelCel", &TRecCacciatore::TelCel},
    SheetRow{"Tel. ufficio:", "txtTelUff", &TRecCacciatore::TelUff},
    SheetRow{"E-mail:", "txtEmail", &TRecCacciatore::Email},
    SheetRow{"Squadra di caccia:", "txtPermesso", &TRecCacciatore::Permesso},
    SheetRow{"Data iscrizione:", "txtScadePer", &TRecCacciatore::ScadePer},
    SheetRow{"Forme di caccia:", "txtComuniSog", &TRecCacciatore::ComuniSog},
    SheetRow{"IBAN:", "txtIban", &TRecCacciatore::Iban},
    SheetRow{"Intestatario C/C:", "txtIntestatario", &TRecCacciatore::Intestatario},
    SheetRow{"Banca:", "txtBanca", &TRecCacciatore::Banca},
    SheetRow{"Carta di credito n.", "txtCarta", &TRecCacciatore::Carta},
    SheetRow{"Scadenza carta di credito:", "txtScadeCarta", &TRecCacciatore::ScadeCarta},
    SheetRow{"Polizze assicurative:", "txtTipoLavoro", &TRecCacciatore::TipoLavoro},
    SheetRow{"Armi da caccia possedute:", "txtPrecedenti", &TRecCacciatore::Precedenti},
    SheetRow{"Note:", "txtNote", &TRecCacciatore::Note},
    SheetRow{"Tipo documento:", "txtTipoDoc", &TRecCacciatore::TipoDoc},
    SheetRow{"Numero documento:", "txtNumDoc", &TRecCacciatore::NumDoc},
    SheetRow{"Ente di rilascio:", "txtEnteRil", &TRecCacciatore::EnteRil},
    SheetRow{"Data di rilascio:", "txtDataRil", &TRecCacciatore::DataRil},
    SheetRow{"Data di scadenza:", "txtDataSca", &TRecCacciatore::DataSca},
    SheetRow{"Codice ID cacciatore:", "txtCivile", &TRecCacciatore::Civile},
    SheetRow{"Tesserino venatorio n.", "txtConiuge", &TRecCacciatore::Coniuge},
    SheetRow{"Stagione venatoria:", "txtFigli", &TRecCacciatore::Figli},
    SheetRow{"Porto di fucile n.", "txtDatore", &TRecCacciatore::Datore},
    SheetRow{"Data rilascio:", "txtDecorrenza", &TRecCacciatore::Decorrenza},
    SheetRow{"Prossima scadenza:", "txtScadenza", &TRecCacciatore::Scadenza},
    SheetRow{"Importo tassa: €", "txtTotale", &TRecCacciatore::Totale},
    SheetRow{"Questura:", "txtContratto", &TRecCacciatore::Contratto},
};
static_assert(kRows.size() == 40);

// Geometry of the sheet, in report units from the top-left corner of the
// printable area (190 x 277 mm inside 10 mm margins).
const double kWidth = mm(190);
const double kHeight = mm(297 - 20);
const double kRowsTop = mm(12);
const double kRowHeight = mm(5);
const double kCaptionWidth = mm(38);
const double kValueWidth = mm(144);
const double kTableLeft = (kWidth - kCaptionWidth - kValueWidth) / 2;

QString rowValue(const SheetRow& row, const TRecCacciatore& card) {
    QString value = text::trimBlanks(card.*row.first);
    if (row.second)
        value += QString::fromLatin1(row.separator) + text::trimBlanks(card.*row.second);
    return value;
}

report::TextObject sheetText(const char* name, const QRectF& rect, const QString& value,
                             const QFont& font, Qt::Alignment alignment) {
    report::TextObject object;
    object.name = QString::fromLatin1(name);
    object.rect = rect;
    object.text = value;
    object.font = font;
    object.alignment = alignment;
    return object;
}

// The time as the locale writes it in full, without its time zone.
QString longTime(const QTime& time, const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    QString plain;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        plain += c;
    }
    return locale.toString(time, plain.trimmed());
}

}  // namespace

QString sheetFootnote(const QDateTime& now, const QLocale& locale) {
    return QStringLiteral("Stampa eseguita in data ") +
           now.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ") +
           longTime(now.time(), locale);
}

report::Report hunterSheet(const TRecCacciatore& card, const QDateTime& now,
                           const QLocale& locale) {
    report::Page page;
    page.name = QStringLiteral("Page1");
    page.size = QPageSize(QPageSize::A4);
    page.orientation = QPageLayout::Portrait;
    page.margins = QMarginsF(mm(10), mm(10), mm(10), mm(10));

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(12);
    page.objects.append(sheetText("txtTitolo", QRectF(0, 0, kWidth, mm(8)),
                                  QStringLiteral("SCHEDA INFORMATIVA CACCIATORE"), titleFont,
                                  Qt::AlignCenter));

    const QFont rowFont(QStringLiteral("Arial"), 7);
    for (qsizetype i = 0; i < qsizetype(kRows.size()); ++i) {
        const SheetRow& row = kRows.at(i);
        const double top = kRowsTop + i * kRowHeight;
        report::ShapeObject frame;
        frame.rect = QRectF(kTableLeft, top, kCaptionWidth + kValueWidth, kRowHeight);
        frame.frameWidth = 0.75;
        page.objects.append(frame);
        report::LineObject divider;
        divider.line =
            QLineF(kTableLeft + kCaptionWidth, top, kTableLeft + kCaptionWidth, top + kRowHeight);
        divider.width = 0.75;
        page.objects.append(divider);

        const QByteArray caption = "lbl" + QByteArray(row.object).mid(3);
        page.objects.append(
            sheetText(caption.constData(), QRectF(kTableLeft, top, kCaptionWidth, kRowHeight),
                      QString::fromUtf8(row.caption), rowFont, Qt::AlignLeft | Qt::AlignVCenter));
        report::TextObject value =
            sheetText(row.object, QRectF(kTableLeft + kCaptionWidth, top, kValueWidth, kRowHeight),
                      rowValue(row, card), rowFont, Qt::AlignLeft | Qt::AlignVCenter);
        // The longest fields hold 250 characters: they wrap and shrink
        // rather than run out of their row.
        value.wordWrap = true;
        value.shrinkToFit = true;
        page.objects.append(value);
    }

    page.objects.append(sheetText("txtCalce", QRectF(0, kHeight - mm(6), kWidth, mm(5)),
                                  sheetFootnote(now, locale), QFont(QStringLiteral("Arial"), 8),
                                  Qt::AlignCenter));

    report::Report sheet;
    sheet.pages.append(page);
    return sheet;
}

}  // namespace hunters
