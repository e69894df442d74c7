#pragma once
// Screens as the program creates them at start-up, on a temporary program
// folder, with recording seams.

#include "app/ScreenRegistry.h"
#include "archive/ArchiveFiles.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "screens/common/FormKit.h"
#include "screens/common/Screens.h"
#include "support/GuiTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <memory>

class ScreenTest : public GuiTest {
  protected:
    std::unique_ptr<ScreenSet> screens;

    void SetUp() override {
        GuiTest::SetUp();
        screens = std::make_unique<ScreenSet>();
    }
    void TearDown() override {
        screens.reset();
        GuiTest::TearDown();
    }

    QWidget* screen(const QString& name) const { return Screens::find(name); }
    template <class T = QLineEdit>
    T* control(const QString& screenName, const QString& name) const {
        return FormKit::child<T>(screen(screenName), name);
    }
    void click(const QString& screenName, const QString& button) const {
        control<QAbstractButton>(screenName, button)->click();
    }

    // Appends records to an archive with the given field texts.
    static void
    appendRecords(const QString& file, const TRecordLayout& layout,
                  const std::vector<std::vector<std::pair<QString, QString>>>& records) {
        archive_files::appendRecords(file, layout, records);
    }
};
