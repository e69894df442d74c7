#pragma once
// Reaching into a check dialog from a test: its one box and its buttons.

#include "screens/common/FormKit.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

inline QLineEdit* boxOf(const QDialog& dialog) {
    const auto boxes = dialog.findChildren<QLineEdit*>();
    return boxes.size() == 1 ? boxes.front() : nullptr;
}

inline QPushButton* buttonOf(const QDialog& dialog, const char* name) {
    return FormKit::child<QPushButton>(&dialog, QString::fromLatin1(name));
}
