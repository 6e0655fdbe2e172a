#include "archive/GuiListActions.h"

#include "archive/CardWindow.h"
#include "base/GuiWindows.h"

bool applyChosenRecord(const PickerMode& mode, const FoundRecord& record) {
    auto* card = qobject_cast<CardWindow*>(findWindow(QString::fromLatin1(mode.window)));
    if (!card) return false;
    if (mode.loadsRecord) {
        card->loadValues(record.values, record.number);
    } else {
        for (const PickerMode::Assignment& assignment : mode.assignments) {
            card->setFieldText(QString::fromLatin1(assignment.control),
                               assignment.value(record.values));
        }
    }
    return true;
}

PickerMode loadIntoCard(const char* cardWindow) {
    return {"", cardWindow, true, {}};
}
