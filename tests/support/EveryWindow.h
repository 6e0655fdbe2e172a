#pragma once

#include <QList>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/Archives.h"
#include "app/GuiArchives.h"
#include "app/TfrmAvvio.h"
#include "backup/BackupWindow.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "import/ImportWindow.h"
#include "mailing/MailingJobs.h"
#include "mailing/MailingWindow.h"
#include "mailing/TfrmAssociazione.h"
#include "membership/TfrmImpostazioniTesseramento.h"
#include "shell/HelpTopics.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmPassword.h"
#include "shell/TfrmSplash.h"
#include "windows/CardWindow.h"
#include "windows/ExportWindow.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"
#include "windows/TfrmAllegaCartella.h"
#include "windows/TfrmCalendario.h"
#include "windows/TfrmCreaRTF.h"

// Every window of the program, each as a factory, for tests that look at
// all of them. A factory builds its window over a card already shown (the
// owner of the dialogs a card opens).

struct WindowRow {
    std::string name;  // a test name: letters, digits and '_'
    std::function<std::unique_ptr<QWidget>(CardWindow& owner)> make;
    bool maximised = false;  // the program shows it maximised
    // What the user does once it shows, to reach the state looked at
    // (null: nothing).
    std::function<void(QWidget&)> reach = nullptr;
};

inline void PrintTo(const WindowRow& row, std::ostream* out) {
    *out << row.name;
}

namespace everywindow {

template <typename W, typename... Args>
std::function<std::unique_ptr<QWidget>(CardWindow&)> owned(Args... args) {
    return [=](CardWindow& owner) -> std::unique_ptr<QWidget> {
        return std::make_unique<W>(args..., &owner);
    };
}

template <typename W>
std::function<std::unique_ptr<QWidget>(CardWindow&)> alone() {
    return [](CardWindow&) -> std::unique_ptr<QWidget> { return std::make_unique<W>(); };
}

inline std::unique_ptr<QWidget> guideOn(const HelpTopic& topic, CardWindow& owner) {
    auto guide = std::make_unique<TfrmGuida>(&owner);
    guide->setTopic(topic);
    return guide;
}

}  // namespace everywindow

// The windows of the launcher, the shell and the generic pieces every
// archive uses.
inline QList<WindowRow> programWindows() {
    using namespace everywindow;
    QList<WindowRow> rows{
        {"TfrmAvvio", alone<TfrmAvvio>(), true},
        {"TfrmPassword", alone<TfrmPassword>()},
        {"TfrmCambiaPassword", alone<TfrmCambiaPassword>()},
        {"TfrmInfo", owned<TfrmInfo>()},
        {"TfrmSplash", owned<TfrmSplash>()},
        {"TfrmCodFisc", owned<TfrmCodFisc>()},
        {"TfrmPartitaIva", owned<TfrmPartitaIva>()},
        {"TfrmIban", owned<TfrmIban>()},
        {"TfrmCarta", owned<TfrmCarta>()},
        {"TfrmAllegaCartella", owned<TfrmAllegaCartella>()},
        {"TfrmCalendario", owned<TfrmCalendario>()},
        {"TfrmImporta",
         [](CardWindow& owner) -> std::unique_ptr<QWidget> {
             return std::make_unique<ImportWindow>(archives::all(), &owner,
                                                   archives::captions(archives::all()));
         }},
        {"BackupWindow", owned<BackupWindow>(archives::all())},
        {"TfrmAssociazione", owned<TfrmAssociazione>()},
        {"TfrmImpostazioniTesseramento", owned<TfrmImpostazioniTesseramento>()},
    };
    for (const HelpTopic* topic : archives::helpTopics()) {
        QString key = topic->key;
        key.replace(u'-', u'_');
        rows.append({"TfrmGuida_" + key.toStdString(),
                     [topic](CardWindow& owner) { return guideOn(*topic, owner); }});
    }
    return rows;
}

// The windows of one archive: its card, its search (the criteria, then the
// list), its summaries, its export and its lists of a date.
inline QList<WindowRow> listWindowsOf(const std::string& archive, const ArchiveDefinition& lists) {
    using namespace everywindow;
    const auto pressSearch = [](QWidget& window) {
        window.findChild<QPushButton*>(QStringLiteral("btnCerca"))->click();
    };
    QList<WindowRow> rows{
        {archive + "_search", owned<SearchWindow>(std::cref(*lists.search))},
        {archive + "_search_list", owned<SearchWindow>(std::cref(*lists.search)), false,
         pressSearch},
        {archive + "_export", owned<ExportWindow>(std::cref(*lists.exporter))},
    };
    for (const SummaryDefinition* summary : lists.summaries) {
        rows.append({archive + "_summary_" + summary->windowName,
                     owned<SummaryWindow>(std::cref(*summary))});
    }
    for (const ExportDefinition* list : lists.datedLists) {
        rows.append({archive + "_list_" + list->windowName, owned<ExportWindow>(std::cref(*list))});
    }
    // The labels and cards windows of an archive with post fields.
    if (mailing::makesLabels(lists)) {
        rows.append({archive + "_labels",
                     owned<MailingWindow>(MailingWindow::Kind::Labels, std::cref(lists), QString(),
                                          QList<qsizetype>{1})});
    }
    if (mailing::makesCards(lists)) {
        rows.append(
            {archive + "_cards", owned<MailingWindow>(MailingWindow::Kind::Cards, std::cref(lists),
                                                      QString(), QList<qsizetype>{1})});
    }
    return rows;
}

// The archives' windows, from the registry: each card, then each archive's
// lists.
inline QList<WindowRow> archiveWindows() {
    QList<WindowRow> rows;
    for (const GuiArchive& archive : archives::windows()) {
        if (!archive.createCard) continue;
        rows.append({archive.window,
                     [create = archive.createCard](CardWindow&) {
                         return std::unique_ptr<QWidget>(create());
                     },
                     true});
        if (!archive.printing) continue;
        for (const auto mode : {SheetPrintWindow::Mode::Preview, SheetPrintWindow::Mode::Print}) {
            // A card may print without a preview.
            if (mode == SheetPrintWindow::Mode::Preview && !archive.printing->previewWindow) {
                continue;
            }
            rows.append({mode == SheetPrintWindow::Mode::Preview ? archive.printing->previewWindow
                                                                 : archive.printing->printWindow,
                         [printing = archive.printing, mode](CardWindow& owner) {
                             return std::unique_ptr<QWidget>(
                                 std::make_unique<SheetPrintWindow>(*printing, mode, &owner));
                         }});
        }
    }
    for (const ArchiveDefinition* archive : archives::all()) {
        rows += listWindowsOf(archive->name, *archive);
        if (!archive->rtfCard) continue;
        rows.append({std::string(archive->name) + "_TfrmCreaRTF",
                     [document = archive->rtfCard](CardWindow& owner) {
                         return std::unique_ptr<QWidget>(
                             std::make_unique<TfrmCreaRTF>(&owner, *document));
                     }});
    }
    return rows;
}

inline QList<WindowRow> everyWindow() {
    return programWindows() + archiveWindows();
}
