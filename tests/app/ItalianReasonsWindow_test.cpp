// Every way a file can fail, as the windows tell it: each case drives a
// fault through a window and reads every message it showed (the Messages
// double), which must keep its Italian sentence and give its reason in
// Italian, never in the system's or the record file's English.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <functional>

#include "hunters/HunterLists.h"
#include "support/CardFixture.h"
#include "support/EnglishWords.h"
#include "support/HunterArchive.h"
#include "support/LockedElsewhere.h"
#include "support/WeaponArchive.h"
#include "support/WriteFailure.h"
#include "weapons/TfrmArmi.h"
#include "windows/SummaryWindow.h"

namespace {

QByteArray bluePicture() {
    QImage image(QSize(60, 40), QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    return bytes;
}

class ItalianReasonsWindow : public CardFixture<TfrmArmi> {
public:
    // For the cases of the table.
    using CardFixture::click;
    using CardFixture::set;
    using DataFolderTest::dataPath;
    using DataFolderTest::folder;
    using DataFolderTest::messages;
    using DataFolderTest::writeFile;

    // Chooses a picture file with the card's button.
    void choose(const QString& name) {
        desktop().nextFileNames = {dataPath(name)};
        click("btnCaricaFoto");
    }
    // A new weapon with a chosen picture, ready to be saved.
    void newWeaponWithPicture() {
        writeFile(QStringLiteral("blu.jpg"), bluePicture());
        set("txtArma", QStringLiteral("Beretta 686"));
        set("txtCalibro", QStringLiteral("12"));
        set("txtProprietario", QStringLiteral("Rossi Mario"));
        choose(QStringLiteral("blu.jpg"));
    }
    // The stored weapon 1 with its photo, shown.
    void showStoredWeapon() {
        writeWeapons(dataPath(QStringLiteral("Schedario_Armi.pro")), {{.make = "Uno"}});
        QDir().mkpath(dataPath(QStringLiteral("Schedario")));
        writeFile(QStringLiteral("Schedario/Arma_1.jpg"), bluePicture());
        click("cmdPrimo");
        messages().take();
    }
    // Saves the photo shown to a file of the data folder.
    void savePhotoAs(const QString& name) {
        desktop().nextFileNames = {dataPath(name)};
        click("btnSalvaFoto");
    }
    // Starts a case afresh: an empty data folder, a new card, new doubles.
    void restart() {
        card.reset();
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        SetUp();
    }
};

TEST_F(ItalianReasonsWindow, EveryFailureOfAFileIsToldInItalianInTheWindows) {
    // Each case returns false when this machine cannot make the fault.
    const struct {
        const char* what;
        std::function<bool(ItalianReasonsWindow&)> fault;
    } cases[] = {
        {"a picture file that vanished",
         [](ItalianReasonsWindow& t) {
             t.choose(QStringLiteral("sparita.jpg"));
             return true;
         }},
        {"a picture behind a link that loops",
         [](ItalianReasonsWindow& t) {
             QFile::link(t.dataPath(QStringLiteral("anello2.jpg")),
                         t.dataPath(QStringLiteral("anello1.jpg")));
             QFile::link(t.dataPath(QStringLiteral("anello1.jpg")),
                         t.dataPath(QStringLiteral("anello2.jpg")));
             t.choose(QStringLiteral("anello1.jpg"));
             return true;
         }},
        {"a damaged picture",
         [](ItalianReasonsWindow& t) {
             t.writeFile(QStringLiteral("rotta.jpg"), QByteArray("\xFF\xD8\xFF\xE0 non una foto"));
             t.choose(QStringLiteral("rotta.jpg"));
             return true;
         }},
        {"a file that is no picture",
         [](ItalianReasonsWindow& t) {
             t.writeFile(QStringLiteral("testo.jpg"), QByteArray("soltanto del testo"));
             t.choose(QStringLiteral("testo.jpg"));
             return true;
         }},
        {"the photo at Save, in a read-only photo folder",
         [](ItalianReasonsWindow& t) {
             QDir().mkpath(t.dataPath(QStringLiteral("Schedario")));
             t.newWeaponWithPicture();
             t.messages().take();
             const WriteFailure readOnly(WriteFailure::Kind::ReadOnlyFolder,
                                         t.dataPath(QStringLiteral("Schedario")));
             if (!readOnly.possible()) return false;
             t.click("cmdSalva");
             return true;
         }},
        {"the card and its photo at Save, on a full disk",
         [](ItalianReasonsWindow& t) {
             t.newWeaponWithPicture();
             t.messages().take();
             const WriteFailure full(WriteFailure::Kind::FullDisk, t.folder.path());
             if (!full.possible()) return false;
             t.click("cmdSalva");
             return true;
         }},
        {"the photo saved elsewhere, in a folder that vanished",
         [](ItalianReasonsWindow& t) {
             t.showStoredWeapon();
             t.savePhotoAs(QStringLiteral("sparita/foto.jpg"));
             return true;
         }},
        {"the photo saved elsewhere, over a read-only file",
         [](ItalianReasonsWindow& t) {
             t.showStoredWeapon();
             t.writeFile(QStringLiteral("copia.jpg"), "copia precedente");
             QFile::setPermissions(t.dataPath(QStringLiteral("copia.jpg")), QFile::ReadOwner);
             const WriteFailure readOnly(WriteFailure::Kind::ReadOnlyFolder, t.folder.path());
             if (!readOnly.possible()) return false;
             t.savePhotoAs(QStringLiteral("copia.jpg"));
             return true;
         }},
        {"a summary of an archive another station is saving",
         [](ItalianReasonsWindow& t) {
             writeHunters(t.dataPath(QStringLiteral("Cacciatori.pro")), {{"Rossi", "Mario"}});
             const LockedElsewhere locked(t.dataPath(QStringLiteral("Cacciatori.pro")));
             SummaryWindow window(hunters::permitSummary());
             window.show();
             return true;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        if (!c.fault(*this)) continue;  // this machine cannot make the fault
        const QStringList shown = messages().take();
        EXPECT_FALSE(shown.isEmpty());
        for (const QString& message : shown) {
            EXPECT_EQ(englishWordsIn(message, folder.path()), "") << message.toStdString();
        }
    }
}

}  // namespace
