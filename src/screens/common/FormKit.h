#pragma once
// Building blocks every screen is assembled from: named controls, picture
// buttons with theme icons, focus highlights, Enter chains and hint lines.
// Each takes tables, so a screen lists its controls once.

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QToolButton>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace FormKit {

// An icon from the desktop's theme by its freedesktop name, or the
// program's own drawing of it.
QIcon icon(const QString& freedesktopName);

QLineEdit* edit(QWidget* parent, const QString& name, int maxLength);
QLabel* label(QWidget* parent, const QString& name, const QString& text);
// A label that only carries data (file names, routing tags, paths).
QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text = {});
// The frame a picture button shows while it has the focus; a button with a
// style of its own adds it to its style.
inline const QString kFocusFrame = QStringLiteral(
    "QToolButton:focus { border: 2px solid #2c7be5; border-radius: 5px; background: #e6effb; }");
// A picture acting as a button: a theme icon with an optional caption below.
// It takes the focus by Tab and acts on Enter and Space.
QToolButton* pictureButton(QWidget* parent, const QString& name, const QString& iconName,
                           const QString& caption = {}, int iconSize = 32);
// A push button with an optional theme icon, pressed by Enter as well as
// Space wherever it stands, as on the desktop the program comes from. A
// `minimumWidth` keeps it at least that wide and its caption clear of its
// edges.
QPushButton* pushButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& iconName = {}, int minimumWidth = 0);
// Opens the screen maximised; the geometry also fills the screen where no
// window manager maximises it.
void maximize(QWidget* screen);
// Gives a fixed-size window the size its layout asks and puts it, frame
// and all, in the middle of the primary screen.
void centreOnScreen(QWidget* window);
// The soft background of the start menu and the year chooser.
void backdrop(QWidget* screen);
// A section panel of a form.
QFrame* panel(QWidget* parent, const QString& name);
// The instruction lines at the top of a panel: a wrapped label for each
// name and text (UTF-8), then a little room before what follows.
void instructions(QWidget* panel, QBoxLayout* layout,
                  std::initializer_list<std::pair<const char*, const char*>> lines);

// Wraps `box` in a holder that shows the hidden rectangle `effName` behind
// it while the box has the focus. Returns the holder to put in a layout.
QWidget* withHighlight(QWidget* box, const QString& effName);

// An editable drop-down of codes whose text stays what the user types or a
// record holds: no entry is selected when it takes the focus, and Enter
// never adds the text to the list.
QComboBox* dropDown(QWidget* parent, const QString& name, const QStringList& codes);

// Enter in each named box moves the focus to the next; the last goes back
// to the first. Names not found on `form` are a programming error.
void enterChain(QWidget* form, const QStringList& order);
// Enter in the box `from` moves the focus to `to` (a keyword box to its
// button), and does nothing else.
void enterMoves(QWidget* form, const QString& from, const QString& to);

// Moving the mouse over each named element writes its hint into `line`;
// moving over `form` itself or one of `backgrounds` empties it. A form shown
// under a resting pointer keeps the line's text until the pointer moves.
void hints(QWidget* form, QLabel* line, const std::vector<std::pair<QString, QString>>& table,
           const QStringList& backgrounds);

// Calls `handler` when the named button is clicked.
void onClick(QWidget* form, const QString& button, std::function<void()> handler);

// The child of `form` with that objectName. A missing one is a programming
// error: it stops the program with the name at once, in every build,
// rather than failing later on a null pointer.
template <class T> T* child(const QWidget* form, const QString& name) {
    T* w = form->findChild<T*>(name);
    if (!w) qFatal("%s has no control %s", qPrintable(form->objectName()), qPrintable(name));
    return w;
}

} // namespace FormKit
