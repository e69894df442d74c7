#pragma once
// The screens that inform rather than edit: the help screen, and the shape
// it shares with the information and about screens (a fixed-size window
// whose title bar has no buttons, its own contents, one link with its
// picture, and Chiudi). Each is a per-use modal copy.

#include "domain/HelpTexts.h"

#include <QColor>
#include <QDialog>
#include <QLabel>

#include <functional>

class QToolButton;
class QVBoxLayout;

namespace LinkColours {
// A link at rest, and while the mouse button is held down on it or on its
// picture.
inline const QColor kIdle = QColor(0x00, 0x00, 0x8b);    // dark blue
inline const QColor kPressed = QColor(0xff, 0x8c, 0x00); // orange
} // namespace LinkColours

// Underlined text that opens something, like a link on a web page. It takes
// the focus and acts on Enter and Space as well as on a click.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent);
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

  signals:
    void activated();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QColor colour_;
};

class InfoScreen : public QDialog {
    Q_OBJECT
  public:
    // The link, or its picture, clicked: the link turns dark blue again and
    // its text goes to the shell.
    void lnkWebClick();

  protected:
    struct Link {
        QString text;        // what lnkWeb shows
        QString pictureName; // the picture beside it (imgPDF, imgEmail, imgWeb)
        QString iconName;
        std::function<QString()> command; // what is handed to the shell
    };
    InfoScreen(const QString& name, const QString& caption, QWidget* parent);
    // Where the screen puts its own contents, above the link.
    QVBoxLayout* body() const { return body_; }
    // The link row and Chiudi under the contents; call once the contents are in.
    void finish(const Link& link);

  private:
    QVBoxLayout* body_ = nullptr;
    LinkLabel* link_ = nullptr;
    std::function<QString()> command_;
};

// The help screen: a topic's title and text, and the way to the printed
// manual beside the program.
class TfrmGuida : public InfoScreen {
    Q_OBJECT
  public:
    explicit TfrmGuida(QWidget* parent = nullptr);
    // What a caller does before showing it: the title and the text.
    void setTopic(const QString& title, const QString& text);
};

// The file name of the printed manual in the program folder.
inline const QString kManualFileName = QStringLiteral("Guida.pdf");

// Opens the help screen on a topic, modally, owned by `parent`.
void showHelp(QWidget* parent, HelpTopic topic);
