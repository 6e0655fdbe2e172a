#include "report/Report.h"

namespace report {
namespace {

template <typename ObjectList>
TextObject* findIn(ObjectList& objects, const QString& name) {
    for (Object& object : objects) {
        if (auto* text = std::get_if<TextObject>(&object); text && text->name == name) return text;
    }
    return nullptr;
}

}  // namespace

TextObject* Report::findText(const QString& name) {
    for (Page& page : pages) {
        if (TextObject* t = findIn(page.objects, name)) return t;
        for (Band& band : page.bands) {
            if (TextObject* t = findIn(band.objects, name)) return t;
        }
    }
    return nullptr;
}

const TextObject* Report::findText(const QString& name) const {
    return const_cast<Report*>(this)->findText(name);
}

Band* Report::findBand(const QString& name) {
    for (Page& page : pages) {
        for (Band& band : page.bands) {
            if (band.name == name) return &band;
        }
    }
    return nullptr;
}

Page* Report::findPage(const QString& name) {
    for (Page& page : pages) {
        if (page.name == name) return &page;
    }
    return nullptr;
}

bool Report::setText(const QString& name, const QString& text) {
    TextObject* object = findText(name);
    if (!object) return false;
    object->text = text;
    return true;
}

QStringList PreparedReport::texts() const {
    QStringList all;
    for (const PreparedPage& page : pages) {
        for (const Object& object : page.objects) {
            if (const auto* text = std::get_if<TextObject>(&object)) all.append(text->text);
        }
    }
    return all;
}

}  // namespace report
