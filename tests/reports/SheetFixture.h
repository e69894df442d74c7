#pragma once
// A sheet printed or previewed from an editor of the start-up screens, as the
// user does it: the editor's button, then the sheet screen's own. The pages
// are recorded, not printed.

#include "reports/Printing.h"
#include "screens/ScreenFixture.h"

#include <QComboBox>

#include <map>

class SheetTest : public ScreenTest {
  protected:
    static inline const QString kFooter =
        QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:30:15");

    explicit SheetTest(QString editorName) : editorName_(std::move(editorName)) {}

    report::RecordingPrinting* printing = nullptr;

    void SetUp() override {
        ScreenTest::SetUp();
        auto p = std::make_unique<report::RecordingPrinting>();
        printing = p.get();
        report::Printing::install(std::move(p));
        screen(editorName_)->show();
    }
    void TearDown() override {
        report::Printing::install(nullptr);
        ScreenTest::TearDown();
    }
    QLineEdit* box(const QString& name) const { return control(editorName_, name); }
    // Types into an edit box or an editable drop-down.
    void type(const QString& name, const QString& text) const {
        if (auto* combo = screen(editorName_)->findChild<QComboBox*>(name))
            combo->setEditText(text);
        else
            box(name)->setText(text);
    }

    // Types every field of the record but the attachments with blanks
    // around: "Nome testo è" and the like, cut to the box's length less the
    // three blanks. Returns the texts between the blanks.
    std::map<QString, QString> typeAroundBlanks(const TRecordLayout& layout) const {
        std::map<QString, QString> typed;
        for (const TFieldDef& f : layout.fields()) {
            if (isAttachment(f.name)) continue;
            QLineEdit* control = box("txt" + f.name);
            typed[f.name] = (f.name + " testo è").left(control->maxLength() - 3);
            control->setText(" \t" + typed[f.name] + " ");
            EXPECT_EQ(control->text().size(), typed[f.name].size() + 3) << f.name.toStdString();
        }
        return typed;
    }

    // Presses the editor's button, then the sheet screen's action button.
    void press(const char* editorButton, const char* sheetButton = "btnStampa") {
        modal->scripts.push_back([sheetButton](QDialog& d) {
            FormKit::child<QAbstractButton>(&d, QString::fromLatin1(sheetButton))->click();
        });
        click(editorName_, QString::fromLatin1(editorButton));
    }
    // The one page printed through the editor's print button.
    report::PreparedPage printedPage(const char* editorButton = "btnStampa") {
        press(editorButton);
        EXPECT_EQ(printing->printed.size(), 1u);
        EXPECT_EQ(printing->printed.back().pages.size(), 1u);
        return printing->printed.back().pages.front();
    }
    static bool isAttachment(const QString& field) {
        return field.startsWith(QLatin1String("File")) || field.startsWith(QLatin1String("Desc"));
    }
    static QString textOf(const report::PreparedPage& page, const QString& name) {
        const report::TextBox* b = page.text(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return b ? b->text() : QString();
    }
    // The named box stands at `mm` on the paper (the template's place plus
    // the margin), in Arial of that size, aligned so and vertically centred.
    static void expectPlace(const report::PreparedPage& page, const QString& name, const QRectF& mm,
                            double points, report::HAlign align) {
        SCOPED_TRACE(name.toStdString());
        const report::TextBox* b = page.text(name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->mm, mm);
        EXPECT_EQ(b->font, (report::Font{QStringLiteral("Arial"), points, false}));
        EXPECT_EQ(b->hAlign, align);
        EXPECT_EQ(b->vAlign, report::VAlign::Center);
    }
    // The names of the boxes the program fills, in the order they stand.
    static QStringList namedBoxes(const report::PreparedPage& page) {
        QStringList names;
        for (const report::TextBox& t : page.texts)
            if (!t.name.isEmpty()) names << t.name;
        return names;
    }

  private:
    QString editorName_;
};
