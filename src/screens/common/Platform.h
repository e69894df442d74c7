#pragma once
// Seams to the platform services that involve windows: message boxes, the
// shell's "open", the file chooser and modal screens. Production implementations talk to Qt;
// tests install recording ones and drive modal screens synchronously.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QDialog;
class QMessageBox;
class QWidget;

class Messages {
  public:
    enum class Kind { Warning, Error, Information, Question, Plain };
    virtual ~Messages() = default;
    // Warnings, errors and information show OK and Cancel (the answer is
    // ignored); questions show Yes and No and return false only for No; a
    // plain box shows OK alone.
    virtual bool show(QWidget* parent, Kind kind, const QString& text) = 0;

    void warning(QWidget* parent, const QString& text) { show(parent, Kind::Warning, text); }
    void error(QWidget* parent, const QString& text) { show(parent, Kind::Error, text); }
    void information(QWidget* parent, const QString& text) {
        show(parent, Kind::Information, text);
    }
    bool question(QWidget* parent, const QString& text) {
        return show(parent, Kind::Question, text);
    }
    void plain(QWidget* parent, const QString& text) { show(parent, Kind::Plain, text); }
};

// Gives a message box the title, icon and buttons of its kind.
void prepareMessageBox(QMessageBox& box, Messages::Kind kind, const QString& text);

class Shell {
  public:
    virtual ~Shell() = default;
    // Hands one command text to the desktop's "open"; the outcome is ignored.
    virtual void open(const QString& command) = 0;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // Asks for one existing file; the empty text when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& title) = 0;
};

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Shows the dialog modally and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
};

namespace Platform {
Messages& messages();
Shell& shell();
ModalRunner& modal();
FileChooser& fileChooser();
// Install replacements (tests); nullptr restores the production service.
void install(std::unique_ptr<Messages> messages);
void install(std::unique_ptr<Shell> shell);
void install(std::unique_ptr<ModalRunner> modal);
void install(std::unique_ptr<FileChooser> chooser);
} // namespace Platform

// While it lives, a modal window is up; when it goes, the control that had
// the focus before gets it back, in its window made active again. Some
// window managers leave the focus nowhere once a modal window closes, and
// the keys of the window below (Ctrl+S) would then reach nothing.
class FocusReturn {
  public:
    FocusReturn();
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

  private:
    QPointer<QWidget> opener_;
};

// Shows a per-use modal screen through the modal seam; the focus goes back
// to the control that opened it.
int showModal(QDialog& dialog);
// Writes the routing tag into the screen's lblMemory, then shows it; true
// when the screen ended accepted (it delivered something).
bool openWithTag(QDialog& dialog, const QString& tag);
