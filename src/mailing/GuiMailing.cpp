#include "mailing/GuiMailing.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "base/Paths.h"
#include "base/Seams.h"
#include "lists/RecordListWidget.h"
#include "mailing/MailingJobs.h"
#include "mailing/MailingWindow.h"
#include "mailing/MergeLetters.h"
#include "mailing/TfrmOmonimi.h"

namespace mailing {
namespace {

void openWindow(MailingWindow::Kind kind, QWidget* window, const RecordListWidget* list,
                const ArchiveDefinition& archive, const QString& recordFile) {
    QList<qsizetype> records;
    const ListLines& lines = list->lines();
    for (qsizetype i = 0; i < lines.size(); ++i) records.append(lines.record(i));
    if (records.isEmpty()) {
        seams::messages().warning(emptySelectionMessage());
        return;
    }
    MailingWindow dialog(kind, archive, recordFile, records, window);
    dialog.exec();
}

// The plan of a message's letters; nothing, with the message shown, when
// none can be made.
std::optional<LetterPlan> plan(const ArchiveDefinition& messages, const FieldValues& message) {
    const ArchiveDefinition* people =
        registry::named(QString::fromLatin1(messages.letters->recipientArchive));
    if (!people || !people->mailing) return std::nullopt;
    const MergeSource source{&messages, people};
    // A field that does not exist stops everything before the registry is read.
    LetterPlan checked = planLetters(source, message, {}, seams::clock().today());
    if (!checked.error.isEmpty()) {
        seams::messages().warning(checked.error);
        return std::nullopt;
    }
    ProgressScope progress(QStringLiteral("Lettura dell'anagrafica in corso..."));
    const Members registry =
        readMembers(*people->layout, people->recordFile(), {}, progress.callback());
    progress.end();
    if (registry.cancelled) return std::nullopt;
    if (!registry.ok) {
        seams::messages().error(QStringLiteral("Impossibile leggere l'archivio: ") +
                                registry.error);
        return std::nullopt;
    }
    LetterPlan result = planLetters(source, message, registry.members, seams::clock().today());
    if (!result.namesakes.isEmpty()) {
        // Nobody is chosen silently among members of the same name.
        const std::optional<QList<qsizetype>> chosen =
            TfrmOmonimi::choose(*people->mailing, result.namesakes, QApplication::activeWindow());
        if (!chosen) return std::nullopt;
        result = planLetters(source, message, registry.members, seams::clock().today(),
                             RecipientChoice{false, *chosen});
    }
    if (result.letters.isEmpty()) {
        QString text = QStringLiteral("Nessun destinatario trovato in archivio.");
        if (!result.missing.isEmpty()) {
            text += QStringLiteral("\nNon trovati: ") + result.missing.join(QStringLiteral(", ")) +
                    u'.';
        }
        seams::messages().warning(text);
        return std::nullopt;
    }
    return result;
}

QString missingText(const LetterPlan& plan) {
    return plan.missing.isEmpty()
               ? QString()
               : QStringLiteral("Destinatari non trovati in archivio, esclusi: ") +
                     plan.missing.join(QStringLiteral(", ")) + u'.';
}

}  // namespace

void addListButtons(QWidget* window, RecordListWidget* list, const RecordLayout& layout,
                    const QString& recordFile) {
    const ArchiveDefinition* archive = registry::ofLayout(&layout);
    if (!archive || !makesLabels(*archive)) return;
    auto* labels = new QPushButton(QStringLiteral("Etichette"), window);
    labels->setObjectName(QStringLiteral("btnEtichette"));
    list->addButton(labels);
    QObject::connect(labels, &QPushButton::clicked, window, [=] {
        openWindow(MailingWindow::Kind::Labels, window, list, *archive, recordFile);
    });
    if (!makesCards(*archive)) return;
    auto* cards = new QPushButton(QStringLiteral("Tessere"), window);
    cards->setObjectName(QStringLiteral("btnTessere"));
    list->addButton(cards);
    QObject::connect(cards, &QPushButton::clicked, window, [=] {
        openWindow(MailingWindow::Kind::Cards, window, list, *archive, recordFile);
    });
}

void addMergeFieldMenu(QToolButton* button, const ArchiveDefinition& messages,
                       const std::function<void(const QString&)>& insert) {
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("mnuCampi"));
    // Filled when it opens, from the registry as it is then.
    QObject::connect(menu, &QMenu::aboutToShow, button, [menu, &messages, insert] {
        menu->clear();
        const ArchiveDefinition* people =
            registry::named(QString::fromLatin1(messages.letters->recipientArchive));
        if (!people || !people->mailing) return;
        QStringList names = mergeNames(MergeSource{&messages, people});
        names.sort(Qt::CaseInsensitive);
        for (const QString& name : names) {
            QAction* action = menu->addAction(u'{' + name + u'}');
            QObject::connect(action, &QAction::triggered, menu,
                             [insert, name] { insert(u'{' + name + u'}'); });
        }
    });
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
}

void previewLetters(const ArchiveDefinition& messages, const FieldValues& message) {
    const std::optional<LetterPlan> letters = plan(messages, message);
    if (!letters) return;
    // Said before anything is shown: who gets no letter, and why.
    QStringList notes;
    if (const QString missing = missingText(*letters); !missing.isEmpty()) notes.append(missing);
    const QStringList homeless = lettersWithoutAddress(letters->letters);
    if (!homeless.isEmpty()) notes.append(lettersWithoutAddressMessage(homeless));
    if (homeless.size() == letters->letters.size()) {
        notes.append(QStringLiteral("Nessuna lettera da stampare."));
        seams::messages().warning(notes.join(u'\n'));
        return;
    }
    if (!notes.isEmpty()) seams::messages().information(notes.join(u'\n'));
    const Association heading = association();
    const QImage logo = associationLogo(QSizeF(report::mm(20), report::mm(20)));
    seams::printing().preview(
        report::prepare(letterPages(letters->letters, heading, logo), seams::clock().today()));
}

void writeEmails(const ArchiveDefinition& messages, const FieldValues& message) {
    const std::optional<LetterPlan> letters = plan(messages, message);
    if (!letters) return;
    const QString folder = seams::desktop().folderName(
        QStringLiteral("Cartella in cui scrivere i messaggi"), paths::dataFolder());
    if (folder.isEmpty()) return;
    QStringList written;
    QString error;
    ProgressScope progress(QStringLiteral("Scrittura dei messaggi in corso..."));
    const bool ok = writeEmls(letters->letters, folder, association(), seams::clock().now(),
                              &written, &error, progress.callback());
    progress.end();
    QStringList report{
        QStringLiteral("Messaggi scritti nella cartella %1: %2.").arg(folder).arg(written.size())};
    report += emailNotes(letters->letters);
    if (const QString missing = missingText(*letters); !missing.isEmpty()) report.append(missing);
    if (progress.cancelled()) {
        // Those written are whole; the others were never begun.
        report.append(
            QStringLiteral("Scrittura interrotta: gli altri messaggi non sono stati "
                           "scritti."));
        seams::messages().information(report.join(u'\n'));
        return;
    }
    if (!ok) {
        report.append(QStringLiteral("Impossibile scrivere nella cartella: ") + error);
        seams::messages().error(report.join(u'\n'));
        return;
    }
    seams::messages().information(report.join(u'\n'));
}

}  // namespace mailing
