#include "weapons/TfrmArmi.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "checks/CheckerWindow.h"
#include "records/ArchiveMessages.h"
#include "support/BigPhoto.h"
#include "support/CardFixture.h"
#include "support/HintHover.h"
#include "support/HunterArchive.h"
#include "support/ListClicks.h"
#include "support/WeaponArchive.h"
#include "support/WriteFailure.h"
#include "weapons/TfrmZoom.h"
#include "weapons/WeaponPhoto.h"
#include "windows/SearchWindow.h"
#include "windows/SheetPrintWindow.h"
#include "windows/TfrmAllegaCartella.h"

namespace {

const QString kFile = QStringLiteral("Schedario_Armi.pro");
constexpr int kSize = WeaponBytes::kSize;

// The one-line fields of the card, in tab order, with their capacities;
// the sale flag sits between the notes and the value.
struct TextField {
    const char* control;
    int limit;
};
constexpr TextField kTextFields[] = {
    {"txtArma", 50},       {"txtAccessori", 250}, {"txtCalibro", 50},      {"txtAnno", 50},
    {"txtMatricola", 50},  {"txtPeso", 50},       {"txtComponenti", 250},  {"txtDimensioni", 250},
    {"txtMunizioni", 250}, {"txtLuogo", 250},     {"txtProprietario", 50}, {"txtCodFisc", 16},
    {"txtRecapito", 30},   {"txtNote", 250},      {"txtPrezzo", 15},
};

// A picture of one colour, encoded as `format` ("jpeg", "bmp").
QByteArray pictureBytes(const QColor& colour, const char* format, QSize size = QSize(300, 200)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(image)) << format;
    return bytes;
}

// The colour in the middle of a picture, compared loosely (JPEG shifts
// colours a little).
bool looksLike(const QImage& image, const QColor& colour) {
    if (image.isNull()) return false;
    const QColor seen = image.pixelColor(image.width() / 2, image.height() / 2);
    return qAbs(seen.red() - colour.red()) < 24 && qAbs(seen.green() - colour.green()) < 24 &&
           qAbs(seen.blue() - colour.blue()) < 24;
}

class WeaponCardTest : public CardFixture<TfrmArmi> {
protected:
    QString photo(int number) const { return QStringLiteral("Schedario/Arma_%1.jpg").arg(number); }
    // The picture the preview shows.
    QImage preview() const { return control<QLabel>("imgFoto")->pixmap().toImage(); }
    bool showsPlaceholder() const {
        return preview().convertToFormat(QImage::Format_RGB32) == weapons::placeholderPicture();
    }
    void fillRequired() {
        set("txtArma", QStringLiteral("Beretta 686"));
        set("txtCalibro", QStringLiteral("12"));
        set("txtProprietario", QStringLiteral("Rossi Mario"));
    }
    // Chooses a picture file with btnCaricaFoto.
    void choose(const QString& path) {
        desktop().nextFileNames = {path};
        click("btnCaricaFoto");
    }
    void save() { click("cmdSalva"); }
};

TEST_F(WeaponCardTest, ShowsANewCardWithNoValueNoFlagAndThePlaceholder) {
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Schedario Armi"));
    EXPECT_EQ(control<QLabel>("panInfo")->text(),
              QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field("txtArma"));
    for (const TextField& f : kTextFields) {
        EXPECT_EQ(text(f.control), f.limit == 15 ? u"0,00" : u"") << f.control;
        EXPECT_EQ(edit(f.control)->maxLength(), f.limit) << f.control;
    }
    EXPECT_FALSE(flag()->isChecked());
    EXPECT_EQ(flag()->text(), QStringLiteral("In vendita"));
    EXPECT_EQ(control<QLabel>("imgBianco")->pixmap().size(), QSize(567, 378));
    EXPECT_FALSE(control<QLabel>("imgBianco")->isVisible());
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(edit("txtPrezzo")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(WeaponCardTest, TabVisitsTheFieldsAndTheFlagAndEnterSkipsTheFlag) {
    QList<QWidget*> tabOrder;
    for (const TextField& f : kTextFields) {
        if (QString::fromLatin1(f.control) == u"txtPrezzo") tabOrder.append(flag());
        tabOrder.append(field(f.control));
    }
    tabOrder.first()->setFocus();
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), tabOrder.at(i)) << "Tab " << i;
    }
    for (qsizetype i = tabOrder.size() - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), tabOrder.at(i - 1)) << "Shift+Tab " << i;
    }
    for (std::size_t i = 0; i < std::size(kTextFields); ++i) {
        const char* from = kTextFields[i].control;
        const char* to = kTextFields[(i + 1) % std::size(kTextFields)].control;
        field(from)->setFocus();
        QTest::keyClick(field(from), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), field(to)) << from;
    }
}

// The codice fiscale takes digits and ASCII letters, shown upper-cased;
// the value digits and the comma. Navigation and editing keys pass in
// both, Tab, Home and End included.
TEST_F(WeaponCardTest, TheCodiceFiscaleAndTheValueTakeOnlyTheirCharacters) {
    typeAtEnd("txtCodFisc", QStringLiteral("rs s-m.à/r80"));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSSMR80"));
    QTest::keyClick(field("txtCodFisc"), Qt::Key_Home);
    typeText(field("txtCodFisc"), QStringLiteral("x"));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("XRSSMR80"));

    set("txtPrezzo", QString());
    typeAtEnd("txtPrezzo", QStringLiteral("1x2.,5€ -"));
    EXPECT_EQ(text("txtPrezzo"), QStringLiteral("12,5"));
    QTest::keyClick(field("txtPrezzo"), Qt::Key_Home);
    typeText(field("txtPrezzo"), QStringLiteral("3"));
    QTest::keyClick(field("txtPrezzo"), Qt::Key_End);
    QTest::keyClick(field("txtPrezzo"), Qt::Key_Backspace);
    EXPECT_EQ(text("txtPrezzo"), QStringLiteral("312,"));
    QTest::keyClick(field("txtPrezzo"), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), field("txtPrezzo"));
    EXPECT_EQ(text("txtPrezzo"), QStringLiteral("312,00"));
}

TEST_F(WeaponCardTest, TheValueIsFormattedWhenLeftByTheExactAmountRule) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"7", "7,00"},       {"7,5", "7,50"},   {",5", "0,50"},    {"7,", "7,00"},
        {"12,346", "12,35"}, {"1,2,3", "0,00"}, {"0,125", "0,13"}, {"12,345", "12,35"},
        {"1,005", "1,01"},   {"", "0,00"},      {",", "0,00"},
    };
    for (const Case& c : cases) {
        set("txtPrezzo", QString());
        typeAtEnd("txtPrezzo", QString::fromLatin1(c.typed));
        QTest::keyClick(field("txtPrezzo"), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), field("txtArma")) << c.typed;
        EXPECT_EQ(text("txtPrezzo"), QString::fromLatin1(c.shown)) << c.typed;
    }
}

// Fields paint their own fills: alice blue at rest, yellow with the focus,
// the value white at rest; no highlight rectangle stands behind them.
TEST_F(WeaponCardTest, FieldsPaintAliceBlueAtRestAndYellowWithTheFocus) {
    const auto fillOf = [](QWidget* w) {
        return w->grab().toImage().pixelColor(w->width() - 4, w->height() / 2);
    };
    field("txtArma")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(fillOf(field("txtArma")), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(fillOf(field("txtCalibro")), QColor(0xF0, 0xF8, 0xFF));
    EXPECT_EQ(fillOf(field("txtPrezzo")), QColor(0xFF, 0xFF, 0xFF));
    field("txtPrezzo")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(fillOf(field("txtArma")), QColor(0xF0, 0xF8, 0xFF));
    EXPECT_EQ(fillOf(field("txtPrezzo")), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(card->findChild<QFrame*>(QStringLiteral("effArma")), nullptr);
}

TEST_F(WeaponCardTest, SaveChecksStopTheSaveInOrderWithTheirFocus) {
    const QString missing =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    struct Case {
        const char* make;
        const char* calibre;
        const char* owner;
        const char* message;
        const char* focus;
    } cases[] = {
        {" ", "12", "Rossi", "la marca e il modello dell'arma.", "txtArma"},
        {"Beretta", "", "Rossi", "il calibro dell'arma.", "txtCalibro"},
        {"Beretta", "12", "  ", "il proprietario dell'arma.", "txtProprietario"},
    };
    for (const Case& c : cases) {
        set("txtArma", QString::fromLatin1(c.make));
        set("txtCalibro", QString::fromLatin1(c.calibre));
        set("txtProprietario", QString::fromLatin1(c.owner));
        field("txtNote")->setFocus();
        save();
        ASSERT_EQ(messages().shown.size(), 1) << c.message;
        EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
        EXPECT_EQ(messages().take(), QStringList{missing + QString::fromUtf8(c.message)});
        EXPECT_EQ(QApplication::focusWidget(), field(c.focus)) << c.focus;
    }
    // An emptied value becomes "0,00" once left, which Save does first: the
    // value warning is never reached from the card, and "0,00" is a value.
    set("txtProprietario", QStringLiteral("Rossi"));
    set("txtPrezzo", QString());
    field("txtPrezzo")->setFocus();
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(text("txtPrezzo"), QStringLiteral("0,00"));
    EXPECT_EQ(readFile(kFile).size(), kSize);
    EXPECT_FALSE(QDir(dataPath(QStringLiteral("Schedario/x"))).exists());
}

TEST_F(WeaponCardTest, SavingWritesTheDocumentedBytesAndThePlaceholderPhoto) {
    typeAtEnd("txtArma", QStringLiteral(" Beretta <686> & Silver "));
    set("txtCalibro", QStringLiteral("12"));
    set("txtLuogo", QStringLiteral("Armadio, città"));
    set("txtProprietario", QStringLiteral("Rossi Mario"));
    typeAtEnd("txtCodFisc", QStringLiteral("rssmra80a01h501u"));
    typeAtEnd("txtPrezzo", QStringLiteral("5"));  // "0,005" when left: 0,01
    flag()->setChecked(true);
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(text("txtPrezzo"), QStringLiteral("0,01"));

    WeaponBytes expected;
    expected.set(WeaponBytes::Arma, "Beretta <686> & Silver")
        .set(WeaponBytes::Calibro, "12")
        .set(WeaponBytes::Luogo, "Armadio, citt\xE0")
        .set(WeaponBytes::Proprietario, "Rossi Mario")
        .set(WeaponBytes::CodFisc, "RSSMRA80A01H501U")
        .set(WeaponBytes::Prezzo, "0,01")
        .set(WeaponBytes::InVendita, "S\xEC");
    QByteArray file = readFile(kFile);
    ASSERT_EQ(file.size(), kSize);
    EXPECT_EQ(file, expected.bytes);
    EXPECT_EQ(file.mid(1876, 3), QByteArray("\x02S\xEC"));
    // The card without photo stores the placeholder as its photo.
    const QImage stored(dataPath(photo(1)));
    ASSERT_EQ(stored.size(), QSize(567, 378));
    EXPECT_EQ(QImageReader(dataPath(photo(1))).format(), QByteArray("jpeg"));

    flag()->setChecked(false);
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    EXPECT_EQ(readFile(kFile).mid(1876, 3), QByteArray("\x02No"));
}

TEST_F(WeaponCardTest, ShowsStoredCardsTrimmedWithTheirFlagAndPhoto) {
    writeWeapons(dataPath(kFile), {{.make = "Uno", .forSale = "S\xEC"},
                                   {.make = "  Benelli ",
                                    .calibre = "20",
                                    .owner = "Bianchi Anna",
                                    .value = "800,00",
                                    .forSale = "si",
                                    .file01 = "porto.pdf",
                                    .desc01 = "Porto d'armi"},
                                   {.make = "Tre", .forSale = "S\xEC"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    writeFile(photo(3), pictureBytes(Qt::red, "jpeg"));

    click("cmdPrimo");
    EXPECT_TRUE(flag()->isChecked());
    EXPECT_TRUE(showsPlaceholder());  // record 1 has no photo file
    click("cmdAvanti");
    ASSERT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtArma"), QStringLiteral("Benelli"));
    EXPECT_EQ(text("txtCalibro"), QStringLiteral("20"));
    EXPECT_EQ(text("txtPrezzo"), QStringLiteral("800,00"));
    EXPECT_EQ(text("lblFile01"), QStringLiteral("porto.pdf"));
    // A flag no card writes clears the box rather than keeping the one
    // of the card shown before, and Save stores "No".
    EXPECT_FALSE(flag()->isChecked());
    click("cmdAvanti");
    EXPECT_TRUE(looksLike(preview(), Qt::red));
    EXPECT_EQ(preview().height(), 378);
}

TEST_F(WeaponCardTest, BrowsingWithoutAPhotoFolderCreatesItEmpty) {
    writeWeapons(dataPath(kFile), {{.make = "Uno"}, {.make = "Due"}});
    click("cmdUltimo");
    EXPECT_TRUE(showsPlaceholder());
    const QDir photos(dataPath(QStringLiteral("Schedario")));
    EXPECT_TRUE(photos.exists());
    EXPECT_TRUE(photos.isEmpty());
}

// A picture chosen on the card is stored at Save as its own bytes; one
// never saved is lost when another card is shown, and the stored photo
// stays as it was.
TEST_F(WeaponCardTest, AChosenJpegIsStoredAsItsOwnBytesOnlyBySave) {
    writeWeapons(
        dataPath(kFile),
        {{.make = "Uno", .calibre = "12", .owner = "Rossi", .value = "0,00"}, {.make = "Due"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    const QByteArray red = pictureBytes(Qt::red, "jpeg");
    const QByteArray blue = pictureBytes(Qt::blue, "jpeg");
    writeFile(photo(1), red);
    writeFile(QStringLiteral("blu.jpg"), blue);

    click("cmdPrimo");
    choose(dataPath(QStringLiteral("blu.jpg")));
    ASSERT_EQ(desktop().dialogs.size(), 1);
    EXPECT_EQ(desktop().dialogs.front().title,
              QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    EXPECT_EQ(desktop().dialogs.front().filter,
              QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    EXPECT_TRUE(looksLike(preview(), Qt::blue));
    EXPECT_EQ(readFile(photo(1)), red);
    click("cmdAvanti");
    click("cmdPrimo");
    EXPECT_TRUE(looksLike(preview(), Qt::red));
    EXPECT_EQ(readFile(photo(1)), red);

    choose(dataPath(QStringLiteral("blu.jpg")));
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    EXPECT_EQ(readFile(photo(1)), blue);
    // Cancelling the dialog changes nothing.
    choose(QString());
    EXPECT_TRUE(looksLike(preview(), Qt::blue));
}

// A 48-megapixel photograph, more than Qt decodes whole, shows in the
// preview and is stored as it is.
TEST_F(WeaponCardTest, AHugePhotoIsShownAndStoredWhole) {
    const QString big = bigPhotoPath();
    ASSERT_FALSE(big.isEmpty());
    fillRequired();
    choose(big);
    EXPECT_TRUE(messages().shown.isEmpty());
    const QImage shown = preview();
    EXPECT_EQ(shown.size(), QSize(504, 378));
    EXPECT_TRUE(looksLike(shown.copy(0, 0, 200, 378), Qt::red));
    EXPECT_TRUE(looksLike(shown.copy(304, 0, 200, 378), Qt::blue));
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    QFile original(big);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(readFile(photo(1)), original.readAll());
}

TEST_F(WeaponCardTest, ABitmapIsStoredAsAJpegOfTheSamePicture) {
    writeFile(QStringLiteral("verde.bmp"), pictureBytes(Qt::green, "bmp"));
    fillRequired();
    choose(dataPath(QStringLiteral("verde.bmp")));
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    QImageReader stored(dataPath(photo(1)));
    EXPECT_EQ(stored.format(), QByteArray("jpeg"));
    EXPECT_EQ(stored.size(), QSize(300, 200));
    EXPECT_TRUE(looksLike(stored.read(), Qt::green));
}

// An unchanged stored photo is never written again: not re-encoded, and
// not replaced by the placeholder when it cannot be read.
TEST_F(WeaponCardTest, SaveLeavesAnUnchangedStoredPhotoAloneEvenWhenUnreadable) {
    writeWeapons(dataPath(kFile),
                 {{.make = "Uno", .calibre = "12", .owner = "Rossi", .value = "0,00"},
                  {.make = "Due", .calibre = "12", .owner = "Rossi", .value = "0,00"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    const QByteArray red = pictureBytes(Qt::red, "jpeg");
    const QByteArray broken = red.left(40) + QByteArray(200, 'x');
    writeFile(photo(1), red);
    writeFile(photo(2), broken);
    for (int number : {1, 2}) {
        click(number == 1 ? "cmdPrimo" : "cmdUltimo");
        EXPECT_EQ(showsPlaceholder(), number == 2) << number;
        set("txtNote", QStringLiteral("visto"));
        save();
        EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()}) << number;
    }
    EXPECT_EQ(readFile(photo(1)), red);
    EXPECT_EQ(readFile(photo(2)), broken);
}

TEST_F(WeaponCardTest, ClearingThePhotoTouchesNoFileUntilSave) {
    writeWeapons(
        dataPath(kFile),
        {{.make = "Uno", .calibre = "12", .owner = "Rossi", .value = "0,00"}, {.make = "Due"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    const QByteArray red = pictureBytes(Qt::red, "jpeg");
    writeFile(photo(1), red);
    click("cmdPrimo");
    click("btnCancFoto");
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(readFile(photo(1)), red);
    click("cmdAvanti");
    click("cmdPrimo");
    EXPECT_TRUE(looksLike(preview(), Qt::red));

    click("btnCancFoto");
    save();
    EXPECT_EQ(QImage(dataPath(photo(1))).size(), QSize(567, 378));
    EXPECT_FALSE(looksLike(QImage(dataPath(photo(1))), Qt::red));
}

// A duplicate starts without photo; its Save stores the placeholder under
// its own number and leaves the original's photo alone.
TEST_F(WeaponCardTest, ADuplicateStartsWithoutPhoto) {
    writeWeapons(dataPath(kFile), {{.make = "Uno",
                                    .calibre = "12",
                                    .owner = "Rossi",
                                    .value = "10,00",
                                    .file01 = "a.pdf",
                                    .desc01 = "A"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    const QByteArray red = pictureBytes(Qt::red, "jpeg");
    writeFile(photo(1), red);
    click("cmdPrimo");
    click("cmdDuplica");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::duplicateReady()});
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(text("txtArma"), QStringLiteral("Uno"));
    EXPECT_EQ(text("lblFile01"), QString());
    save();
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(readFile(photo(1)), red);
    EXPECT_EQ(QImage(dataPath(photo(2))).size(), QSize(567, 378));
    // A photo file left by a record number now reused is replaced by the
    // new record's picture.
    writeFile(photo(3), red);
    click("cmdNuovo");
    EXPECT_TRUE(showsPlaceholder());
    fillRequired();
    save();
    EXPECT_EQ(position(), QStringLiteral("3"));
    EXPECT_NE(readFile(photo(3)), red);
}

TEST_F(WeaponCardTest, APictureThatCannotBeReadIsReportedAndChangesNothing) {
    writeWeapons(dataPath(kFile),
                 {{.make = "Uno", .calibre = "12", .owner = "Rossi", .value = "0,00"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    const QByteArray red = pictureBytes(Qt::red, "jpeg");
    writeFile(photo(1), red);
    writeFile(QStringLiteral("rotta.jpg"), QByteArray("\xFF\xD8\xFF\xE0 non una foto"));
    click("cmdPrimo");
    for (const QString& chosen :
         {dataPath(QStringLiteral("rotta.jpg")), dataPath(QStringLiteral("manca.jpg"))}) {
        choose(chosen);
        ASSERT_EQ(messages().shown.size(), 1);
        EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
        const QString shown = messages().take().front();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Attenzione: non è stato possibile leggere "
                                                    "l'immagine ") +
                                     QDir::toNativeSeparators(chosen)))
            << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QStringLiteral("La foto della scheda non è stata cambiata.")));
        EXPECT_TRUE(looksLike(preview(), Qt::red));
    }
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    EXPECT_EQ(readFile(photo(1)), red);
}

// A photo that cannot be written at Save: the record is stored, the user
// is told the photo was not, the picture stays on the card and the next
// Save writes it.
TEST_F(WeaponCardTest, APhotoWriteFailureAtSaveIsReportedAndThePictureKept) {
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    writeFile(QStringLiteral("blu.jpg"), pictureBytes(Qt::blue, "jpeg"));
    fillRequired();
    choose(dataPath(QStringLiteral("blu.jpg")));
    {
        WriteFailure failure(WriteFailure::Kind::ReadOnlyFolder,
                             dataPath(QStringLiteral("Schedario")));
        if (!failure.possible()) GTEST_SKIP() << "writes cannot be refused here";
        save();
    }
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(readFile(kFile).size(), kSize);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    const QString shown = messages().take().front();
    EXPECT_TRUE(shown.startsWith(
        QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato "
                       "possibile salvare la foto dell'arma nel file ") +
        QDir::toNativeSeparators(dataPath(photo(1)))))
        << shown.toStdString();
    EXPECT_TRUE(looksLike(preview(), Qt::blue));
    EXPECT_FALSE(QFile::exists(dataPath(photo(1))));
    save();
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    EXPECT_EQ(readFile(photo(1)), readFile(QStringLiteral("blu.jpg")));
}

TEST_F(WeaponCardTest, SavingThePhotoElsewhereAsksBeforeReplacingAndReportsFailures) {
    writeWeapons(dataPath(kFile), {{.make = "Uno"}});
    ASSERT_TRUE(QDir().mkpath(dataPath(QStringLiteral("Schedario"))));
    const QByteArray red = pictureBytes(Qt::red, "jpeg");
    writeFile(photo(1), red);
    click("cmdPrimo");

    desktop().nextFileNames = {dataPath(QStringLiteral("copia.jpg"))};
    click("btnSalvaFoto");
    ASSERT_EQ(desktop().dialogs.size(), 1);
    EXPECT_EQ(desktop().dialogs.front().title,
              QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    EXPECT_EQ(desktop().dialogs.front().folder, dataPath(QStringLiteral("Foto.jpg")));
    EXPECT_EQ(desktop().dialogs.front().filter, QStringLiteral("File Jpeg (*.jpg)"));
    EXPECT_EQ(readFile(QStringLiteral("copia.jpg")), red);  // the stored bytes, not re-encoded
    EXPECT_TRUE(messages().shown.isEmpty());

    // A name without extension gets ".jpg", and asks before replacing.
    writeFile(QStringLiteral("vecchia.jpg"), "vecchia");
    desktop().nextFileNames = {dataPath(QStringLiteral("vecchia"))};
    messages().answers = {false};
    click("btnSalvaFoto");
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Confirm);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Il file ") +
                          QDir::toNativeSeparators(dataPath(QStringLiteral("vecchia.jpg"))) +
                          QStringLiteral(" esiste già.\n\r\n\rSostituirlo?")});
    EXPECT_EQ(readFile(QStringLiteral("vecchia.jpg")), QByteArray("vecchia"));
    desktop().nextFileNames = {dataPath(QStringLiteral("vecchia"))};
    messages().answers = {true};
    click("btnSalvaFoto");
    messages().take();
    EXPECT_EQ(readFile(QStringLiteral("vecchia.jpg")), red);

    // A failed write is told, and the preview stays.
    desktop().nextFileNames = {dataPath(QStringLiteral("manca/foto.jpg"))};
    click("btnSalvaFoto");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    EXPECT_TRUE(messages().take().front().startsWith(
        QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ")));
    EXPECT_TRUE(looksLike(preview(), Qt::red));
    // Cancelled: nothing happens.
    click("btnSalvaFoto");
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(WeaponCardTest, TheZoomShowsThePictureAsLargeAsTheScreenAllowsAndClosesOnAClick) {
    writeFile(QStringLiteral("blu.jpg"), pictureBytes(Qt::blue, "jpeg", QSize(400, 100)));
    choose(dataPath(QStringLiteral("blu.jpg")));
    const QSize screen = card->screen()->size();
    const QSize area(screen.width() - 60, screen.height() - 90);
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* zoom = qobject_cast<TfrmZoom*>(modal);
        ASSERT_NE(zoom, nullptr);
        opened = true;
        EXPECT_EQ(zoom->windowTitle(),
                  QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        auto* picture = zoom->findChild<QLabel*>(QStringLiteral("imgFoto"));
        EXPECT_EQ(picture->size(), area);
        const QSize shown = picture->pixmap().size();
        EXPECT_EQ(shown, QSize(400, 100).scaled(area, Qt::KeepAspectRatio));
        EXPECT_TRUE(looksLike(picture->pixmap().toImage(), Qt::blue));
        QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_FALSE(zoom->isVisible());
    });
    click("btnZoomFoto");
    EXPECT_TRUE(opened);
}

// The owner comes from the hunters' search: name, codice fiscale and
// preferred telephone, trimmed; nothing else changes, nothing is stored.
TEST_F(WeaponCardTest, TheOwnerIsImportedFromTheHuntersSearch) {
    ASSERT_TRUE(
        writeHunters(dataPath(QStringLiteral("Cacciatori.pro")), {{"Bianchi", "Anna"},
                                                                  {.surname = "  Rossi ",
                                                                   .name = " Mario  ",
                                                                   .codFisc = "RSSMRA80A01H501U",
                                                                   .phone = " 333 1234567 "}}));
    writeWeapons(dataPath(kFile), {{.make = "Uno", .note = "da vedere"}});
    click("cmdPrimo");
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* search = qobject_cast<SearchWindow*>(modal);
        ASSERT_NE(search, nullptr);
        opened = true;
        EXPECT_EQ(search->objectName(), QStringLiteral("TfrmTrovaAnagrafica"));
        EXPECT_EQ(search->memory(), QStringLiteral("armi"));
        search->search();
        doubleClickLine(search->list(), lineStartingWith(search->list(), QStringLiteral("Rossi")));
    });
    click("impCacciatore");
    EXPECT_TRUE(opened);
    EXPECT_EQ(text("txtProprietario"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(text("txtRecapito"), QStringLiteral("333 1234567"));
    // Each imported text has the cursor after it, where typing goes on.
    for (const char* name : {"txtProprietario", "txtCodFisc", "txtRecapito"}) {
        EXPECT_EQ(edit(name)->cursorPosition(), edit(name)->text().size()) << name;
    }
    edit("txtProprietario")->setFocus();
    typeText(edit("txtProprietario"), QStringLiteral(" jr"));
    EXPECT_EQ(text("txtProprietario"), QStringLiteral("Rossi Mario jr"));
    edit("txtProprietario")->setText(QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text("txtArma"), QStringLiteral("Uno"));
    EXPECT_EQ(text("txtNote"), QStringLiteral("da vedere"));
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(readFile(kFile), weaponRecord({.make = "Uno", .note = "da vedere"}));
}

TEST_F(WeaponCardTest, TheCodiceFiscaleButtonOpensTheCheckerItsTextCallsFor) {
    struct Case {
        const char* typed;
        const char* window;
        const char* text;
    } cases[] = {
        {"12345670587", "TfrmPartitaIva", "12345670587"},
        {"rssmra85t10a562s", "TfrmCodFisc", "RSSMRA85T10A562S"},
        {"", "TfrmCodFisc", ""},
    };
    for (const Case& c : cases) {
        set("txtCodFisc", QString());
        typeAtEnd("txtCodFisc", QString::fromLatin1(c.typed));
        QString window, shown;
        whenModal([&](QWidget* modal) {
            window = modal->objectName();
            if (auto* e = modal->findChild<QLineEdit*>()) shown = e->text();
            modal->close();
        });
        click("btnCodFisc");
        EXPECT_EQ(window, QString::fromLatin1(c.window)) << c.typed;
        EXPECT_EQ(shown, QString::fromLatin1(c.text)) << c.typed;
    }
}

TEST_F(WeaponCardTest, AttachmentsOpenWithTheWeaponsTag) {
    QString tag;
    whenModal([&](QWidget* modal) {
        auto* attachments = qobject_cast<TfrmAllegaCartella*>(modal);
        ASSERT_NE(attachments, nullptr);
        tag = attachments->memory();
        attachments->close();
    });
    click("cmdFile");
    EXPECT_EQ(tag, QStringLiteral("armi"));
}

// The print window prints the card as it is shown, saved or not, without
// a preview.
TEST_F(WeaponCardTest, PrintsTheCardShownWithoutPreview) {
    fillRequired();
    set("txtNote", QStringLiteral("non salvata"));
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* window = qobject_cast<SheetPrintWindow*>(modal);
        ASSERT_NE(window, nullptr);
        opened = true;
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmStampaArma"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral(" Stampa scheda"));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnStampa")),
                          Qt::LeftButton);
    });
    click("cmdStampa");
    ASSERT_TRUE(opened);
    ASSERT_EQ(printing().jobs.size(), 1);
    const FakePrinting::Job& job = printing().jobs.front();
    EXPECT_FALSE(job.preview);
    EXPECT_EQ(job.pageCount, 1);
    for (const char* shown : {"Beretta 686", "12", "Rossi Mario", "non salvata", "0,00",
                              "Stampa eseguita in data 07/03/2024 alle ore 10:30:00"}) {
        EXPECT_TRUE(job.texts.contains(QString::fromLatin1(shown))) << shown;
    }
    EXPECT_EQ(readFile(kFile).size(), 0);
}

TEST_F(WeaponCardTest, ButtonsShowTheirHints) {
    const QList<HintRow> hints{
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica",
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati "
         "correnti."},
        {"cmdSalva", "Salva la scheda in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdFile", "Allega file alla scheda."},
        {"cmdStampa", "Stampa la scheda."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdSegnalati", "Visualizza il riepilogo delle armi in vendita."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"btnCaricaFoto", "Carica una foto esistente."},
        {"btnSalvaFoto", "Salva la foto su disco."},
        {"btnCancFoto", "Cancella la foto."},
        {"btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali."},
        {"chkSegnala", "Spunta questa casella per annotare che l'arma è in vendita."},
        {"impCacciatore", "Importa i dati dall'archivio anagrafico dei cacciatori."},
        {"btnCodFisc", "Controlla il codice fiscale."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
}

}  // namespace
