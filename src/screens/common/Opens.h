#pragma once
// Wires a button of a form to a per-use screen: pressing it creates the
// screen over the form, writes the routing tag into it when there is one,
// shows it modally and destroys it.

#include "FormKit.h"
#include "Platform.h"

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
