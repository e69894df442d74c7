#pragma once
// Test support for screens: a QApplication for the whole binary, recording
// seams, and a temporary program folder.

#include "domain/Environment.h"
#include "screens/common/Platform.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct RecordedMessage {
    Messages::Kind kind;
    QString text;
};

class RecordingMessages : public Messages {
  public:
    std::vector<RecordedMessage> shown;
    std::deque<bool> answers; // for questions; Yes when none is queued
    bool show(QWidget*, Kind kind, const QString& text) override {
        shown.push_back({kind, text});
        if (kind != Kind::Question || answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
};

class RecordingShell : public Shell {
  public:
    QStringList opened;
    void open(const QString& command) override { opened << command; }
};

// Answers the file chooser with queued paths, as if the user had picked
// them; with none queued the user cancels.
class ScriptedFileChooser : public FileChooser {
  public:
    std::deque<QString> answers;
    QStringList titles; // what each question asked
    QString openFile(QWidget*, const QString& title) override {
        titles << title;
        if (answers.empty()) return {};
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Runs queued scripts instead of a modal loop: the dialog is shown, each
// script drives it (sets fields, presses buttons) and the dialog's result
// is returned.
class ScriptedModal : public ModalRunner {
  public:
    std::deque<std::function<void(QDialog&)>> scripts;
    QStringList shownScreens;
    int exec(QDialog& dialog) override {
        shownScreens << dialog.objectName();
        QWidget* active = QApplication::activeWindow();
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (!scripts.empty()) {
            auto script = std::move(scripts.front());
            scripts.pop_front();
            script(dialog);
        }
        dialog.hide();
        // As after a modal loop, the window below is active again.
        if (active) QApplication::setActiveWindow(active);
        return dialog.result();
    }
};

// Installs the recording seams and a fresh program folder for each test.
class GuiTest : public ::testing::Test {
  protected:
    RecordingMessages* messages = nullptr;
    RecordingShell* shell = nullptr;
    ScriptedModal* modal = nullptr;
    ScriptedFileChooser* fileChooser = nullptr;
    QTemporaryDir folder;

    void SetUp() override {
        auto m = std::make_unique<RecordingMessages>();
        auto s = std::make_unique<RecordingShell>();
        auto d = std::make_unique<ScriptedModal>();
        auto f = std::make_unique<ScriptedFileChooser>();
        messages = m.get();
        shell = s.get();
        modal = d.get();
        fileChooser = f.get();
        Platform::install(std::move(m));
        Platform::install(std::move(s));
        Platform::install(std::move(d));
        Platform::install(std::move(f));
        ProgramFolder::override(folder.path());
        Clock::install(
            std::make_unique<FixedClock>(QDateTime(QDate(2024, 3, 5), QTime(9, 30, 15))));
    }
    void TearDown() override {
        Platform::install(std::unique_ptr<Messages>());
        Platform::install(std::unique_ptr<Shell>());
        Platform::install(std::unique_ptr<ModalRunner>());
        Platform::install(std::unique_ptr<FileChooser>());
        ProgramFolder::override(QString());
        Clock::install(nullptr);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
};
