#pragma once
// Wires a button of a form to a per-use screen: pressing it creates the
// screen over the form, writes the routing tag into it when there is one,
// shows it modally and destroys it. An editor's search is opened so, and the
// date picker by a date box and its button.

#include "FormKit.h"
#include "Platform.h"
#include "RecordEditor.h"
#include "Routes.h"
#include "TfrmCalendario.h"

#include <functional>

template <class Screen>
void opensScreen(QWidget* form, const QString& button, const QString& tag = {}) {
    FormKit::onClick(form, button, [form, tag] {
        Screen screen(form);
        if (tag.isEmpty())
            showModal(screen);
        else
            openWithTag(screen, tag);
    });
}

// Wires `button` of `editor` to its search screen `Search`, named
// `searchName`, opened with `tag`: the record it hands back for that tag
// becomes the record on screen.
template <class Search>
void opensSearch(RecordEditor* editor, const QString& button, const QString& searchName,
                 const QString& tag) {
    Routes::addRecordReceiver(searchName, tag, editor,
                              [editor](const TRecord& r, qint64 n) { editor->showRecord(r, n); });
    opensScreen<Search>(editor, button, tag);
}

// Opens the date picker over `form` for the date box registered under `tag`
// and tells whether a date was picked: what a date box and its button call.
inline std::function<bool()> datePicker(QWidget* form, const QString& tag) {
    return [form, tag] {
        TfrmCalendario picker(form);
        return openWithTag(picker, tag);
    };
}
