#pragma once
// The parts every editor's window has in common: the button bar with the
// navigation arrows and lblPosizione, the hint line and the hidden labels.
// The buttons are a table, so each editor lists only its own.

#include <QFrame>
#include <QLabel>
#include <QString>
#include <QToolButton>
#include <vector>

struct EditorButton {
    QString name;    // btnSalva, cmdPrimo, ...
    QString icon;    // freedesktop icon name
    QString caption; // text under the picture
    QString hint;    // written into panInfo under the mouse
};

namespace EditorChrome {
// The buttons every editor draws from, in their order on the bar, with the
// hints every editor shows: the tools (Esci last) and the record arrows.
const std::vector<EditorButton>& standardTools();
const std::vector<EditorButton>& standardNavigation();

// The button bar shpPulsanti, with the navigation panel shpRecord holding
// cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti and cmdUltimo before the
// last button (Esci). Every button gets the keys every editor shares: its
// Alt letter and its shortcut (Ctrl+N Nuovo, Ctrl+D Duplica, Ctrl+S Salva,
// Ctrl+F Trova, Ctrl+P Stampa, F1 Guida; Ctrl+Home, Page Up, Page Down and
// Ctrl+End for the arrows), named in its tooltip.
QFrame* buttonBar(QWidget* form, const std::vector<EditorButton>& tools,
                  const std::vector<EditorButton>& navigation);
// Gives a button of another screen the keys of the editors' button of the
// same name after its prefix (cmdEsporta those of btnEsporta): its Alt
// letter, its shortcut within `form`, and a tooltip that names them.
void bindButtonKeys(QWidget* form, QToolButton* button, const QString& hint);
// The hint line at the bottom of the form.
QLabel* hintLine(QWidget* form, const QString& initialText);
// lblFile01..03 and lblDesc01..03, with their design-time texts.
void attachmentLabels(QWidget* form);
} // namespace EditorChrome
