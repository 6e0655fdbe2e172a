// The registry's names resolve: every string that joins an archive's pieces
// (window names, control names, tags, command-line names) names something
// that exists. Field names need no test: they are checked by the compiler.

#include <QPushButton>
#include <QSet>
#include <QToolButton>
#include <memory>

#include "app/Archives.h"
#include "app/GuiApplication.h"
#include "app/GuiArchives.h"
#include "app/TfrmAvvio.h"
#include "support/Fixtures.h"
#include "windows/CardWindow.h"

namespace {

// Every card of the registry, made as start-up makes them.
class RegistryTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        for (const GuiArchive& archive : archives::windows()) {
            if (archive.createCard) cards.emplace_back(archive.createCard());
        }
    }

    CardWindow* card(const QString& window) const {
        for (const auto& c : cards) {
            if (c->objectName() == window) return c.get();
        }
        return nullptr;
    }

    std::vector<std::unique_ptr<CardWindow>> cards;
};

TEST_F(RegistryTest, EveryArchiveHasOneCardAndEveryCardOneArchive) {
    QSet<const RecordLayout*> coreLayouts;
    QSet<QString> names;
    for (const ArchiveDefinition* archive : archives::all()) {
        const QString name = QString::fromLatin1(archive->name);
        EXPECT_FALSE(names.contains(name)) << archive->name;
        names.insert(name);
        EXPECT_EQ(archives::named(name), archive);
        coreLayouts.insert(archive->layout);
        // The lists read the archive's own file.
        EXPECT_EQ(archive->search->layout, archive->layout) << archive->name;
        EXPECT_EQ(archive->exporter->layout, archive->layout) << archive->name;
        for (const SummaryDefinition* summary : archive->summaries) {
            EXPECT_EQ(summary->layout, archive->layout) << summary->commandName;
            EXPECT_EQ(archives::summaryNamed(QString::fromLatin1(summary->commandName)), summary);
        }
    }

    QSet<const RecordLayout*> cardLayouts;
    for (const GuiArchive& archive : archives::windows()) {
        if (!archive.createCard) {
            EXPECT_EQ(archive.window, nullptr) << archive.tile;
            continue;
        }
        CardWindow* c = card(QString::fromLatin1(archive.window));
        ASSERT_NE(c, nullptr) << archive.window;
        cardLayouts.insert(c->definition().layout);
    }
    EXPECT_EQ(cardLayouts, coreLayouts);
}

// The windows that choose among archives (the import) show the names the
// user knows from the launcher, not the command line's.
TEST_F(RegistryTest, EveryTileNamesItsArchiveWhichTheWindowsCallByTheTilesCaption) {
    for (const GuiArchive& tile : archives::windows()) {
        if (!tile.createCard) continue;
        ASSERT_NE(tile.archive, nullptr) << tile.tile;
        CardWindow* c = card(QString::fromLatin1(tile.window));
        ASSERT_NE(c, nullptr) << tile.window;
        EXPECT_EQ(tile.archive().layout, c->definition().layout) << tile.tile;
    }
    EXPECT_EQ(archives::captions({archives::named(QStringLiteral("anagrafica")),
                                  archives::named(QStringLiteral("scadenzario"))}),
              (QStringList{QStringLiteral("Anagrafica Cacciatori"),
                           QStringLiteral("Scadenze e Pagamenti")}));
    const QStringList captions = archives::captions(archives::all());
    EXPECT_EQ(QSet<QString>(captions.begin(), captions.end()).size(), archives::all().size());
}

TEST_F(RegistryTest, EveryRecordFieldHasItsControlOnTheCard) {
    for (const auto& c : cards) {
        const RecordLayout& layout = *c->definition().layout;
        for (const FieldSpec& field : layout.fields) {
            const QString control = QString::fromLatin1(field.control);
            ASSERT_NE(c->control(control), nullptr) << field.control;
            EXPECT_EQ(c->control(control)->objectName(), control);
        }
    }
}

TEST_F(RegistryTest, ListsOpenCardsThatExistAndPickersWriteControlsTheyHave) {
    for (const ArchiveDefinition* archive : archives::all()) {
        for (const SummaryDefinition* summary : archive->summaries) {
            CardWindow* target = card(QString::fromLatin1(summary->cardWindow));
            ASSERT_NE(target, nullptr) << summary->windowName;
            EXPECT_EQ(target->definition().layout, summary->layout);
        }
        for (const PickerMode& mode : archive->search->pickers) {
            CardWindow* target = card(QString::fromLatin1(mode.window));
            ASSERT_NE(target, nullptr) << mode.tag;
            if (mode.loadsRecord) {
                EXPECT_EQ(target->definition().layout, archive->layout);
            }
            for (const PickerMode::Assignment& assignment : mode.assignments) {
                EXPECT_NE(target->control(QString::fromLatin1(assignment.control)), nullptr)
                    << mode.tag << " " << assignment.control;
            }
        }
    }
}

TEST_F(RegistryTest, WindowAndDateTagsAreUniqueAcrossTheCards) {
    QSet<QString> tags;
    for (const auto& c : cards) {
        ASSERT_NE(c->definition().tag, nullptr) << qPrintable(c->objectName());
        const QString cardTag = QString::fromLatin1(c->definition().tag);
        EXPECT_FALSE(tags.contains(cardTag)) << c->definition().tag;
        tags.insert(cardTag);
        EXPECT_EQ(cardTagged(cardTag), c.get());
        for (const CardField& field : c->definition().fields) {
            if (!field.dateTag) continue;
            const QString tag = QString::fromLatin1(field.dateTag);
            EXPECT_FALSE(tags.contains(tag)) << field.dateTag;
            tags.insert(tag);
        }
    }
}

TEST_F(RegistryTest, TheLauncherHasATileForEveryEntry) {
    TfrmAvvio launcher;
    for (const GuiArchive& archive : archives::windows()) {
        const QString tile = QString::fromLatin1(archive.tile);
        auto* bar = launcher.findChild<QPushButton*>(QStringLiteral("btn") + tile);
        ASSERT_NE(bar, nullptr) << archive.tile;
        EXPECT_EQ(bar->text(), archive.caption);
        EXPECT_NE(launcher.findChild<QToolButton*>(QStringLiteral("img") + tile), nullptr);
    }
}

// At start-up every archive with a card gets its tile; the others stay
// disabled. Each tile opens its own card and hides the launcher.
TEST_F(RegistryTest, StartUpGivesEveryCardItsTile) {
    GuiApplication windows;
    for (const GuiArchive& archive : archives::windows()) {
        auto* bar = windows.launcher().findChild<QPushButton*>(QStringLiteral("btn") +
                                                               QString::fromLatin1(archive.tile));
        ASSERT_NE(bar, nullptr) << archive.tile;
        EXPECT_EQ(bar->isEnabled(), archive.createCard != nullptr) << archive.tile;
        if (!archive.createCard) continue;
        windows.launcher().show();
        bar->click();
        CardWindow* card = windows.card(QString::fromLatin1(archive.window));
        ASSERT_NE(card, nullptr) << archive.window;
        EXPECT_TRUE(card->isVisible()) << archive.window;
        EXPECT_FALSE(windows.launcher().isVisible()) << archive.window;
        card->close();
        EXPECT_TRUE(windows.launcher().isVisible()) << archive.window;
    }
}

}  // namespace
