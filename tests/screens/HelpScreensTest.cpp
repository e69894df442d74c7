// The help, information and about screens: which topic each help button
// shows, what the links hand to the shell, and how the links colour.
#include "ScreenFixture.h"
#include "app/AboutScreens.h"
#include "domain/MakerInfo.h"
#include "screens/common/InfoScreens.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

namespace {

struct Opener {
    const char* screen; // the persistent screen the button is on
    const char* via;    // the button opening an export over it first, if any
    const char* button;
    HelpTopic topic;
};

const Opener kOpeners[] = {
    {"TfrmAvvio", nullptr, "imgGuida", HelpTopic::General},
    {"TfrmMenuRegistro", nullptr, "imgGuida", HelpTopic::Calendar},
    {"TfrmTurni", nullptr, "btnGuida", HelpTopic::Calendar},
    {"TfrmSettimanale", nullptr, "btnGuida", HelpTopic::Calendar},
    {"TfrmOrari", nullptr, "btnGuida", HelpTopic::Timetables},
    {"TfrmIstruttori", nullptr, "cmdGuida", HelpTopic::Workers},
    {"TfrmTurni", "btnEsporta", "cmdGuida", HelpTopic::ExportDaily},
    {"TfrmOrari", "btnEsporta", "cmdGuida", HelpTopic::ExportTimetables},
    {"TfrmIstruttori", "cmdEsporta", "cmdGuida", HelpTopic::ExportWorkers},
};

struct ShownHelp {
    QString screen, title, text;
    QWidget* parent = nullptr;
};

class HelpScreens : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        control<QLabel>("TfrmTurni", "lblFile")->setText(path("2024.ore"));
        control<QLabel>("TfrmSettimanale", "lblFile")->setText(path("2024.set"));
    }
    // The next modal screen is recorded (and closed with Chiudi).
    void recordHelp(ShownHelp& into) {
        modal->scripts.push_back([&into](QDialog& d) {
            into = {d.objectName(), FormKit::child<QLabel>(&d, "lblTitolo")->text(),
                    FormKit::child<QPlainTextEdit>(&d, "txtGuida")->toPlainText(),
                    d.parentWidget()};
            FormKit::child<QAbstractButton>(&d, "btnChiudi")->click();
        });
    }
};

TEST_F(HelpScreens, EveryHelpButtonShowsItsTopic) {
    for (const Opener& o : kOpeners) {
        SCOPED_TRACE(std::string(o.screen) + " " + o.button);
        ShownHelp shown;
        if (o.via) {
            modal->scripts.push_back([&](QDialog& exportScreen) {
                recordHelp(shown);
                FormKit::child<QAbstractButton>(&exportScreen, o.button)->click();
                EXPECT_EQ(shown.parent, &exportScreen);
            });
            click(o.screen, o.via);
        } else {
            recordHelp(shown);
            auto* button = control<QAbstractButton>(o.screen, o.button);
            EXPECT_TRUE(button->isEnabled());
            button->click();
            EXPECT_EQ(shown.parent, screen(o.screen));
        }
        EXPECT_EQ(shown.screen, "TfrmGuida");
        EXPECT_EQ(shown.title, HelpTexts::title(o.topic));
        // The box breaks lines on LF; the paragraphs are the topic's, one
        // empty line apart.
        EXPECT_EQ(shown.text, HelpTexts::paragraphs(o.topic).join("\n\n"));
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpScreens, TheHelpScreenLooksAsItShould) {
    TfrmGuida help;
    EXPECT_EQ(help.windowTitle(), " Guida all'utilizzo del software");
    EXPECT_EQ(help.minimumSize(), QSize(676, 598));
    EXPECT_EQ(help.maximumSize(), QSize(676, 598));
    EXPECT_FALSE(help.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(help.windowFlags() & Qt::WindowMinMaxButtonsHint);
    auto* title = FormKit::child<QLabel>(&help, "lblTitolo");
    EXPECT_EQ(title->text(), "Argomento della guida.");
    EXPECT_EQ(title->font().family(), "Arial");
    EXPECT_EQ(title->font().pointSize(), 16);
    EXPECT_TRUE(title->font().bold());
    EXPECT_TRUE(title->styleSheet().contains("crimson"));
    auto* text = FormKit::child<QPlainTextEdit>(&help, "txtGuida");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->font().family(), "Verdana");
    EXPECT_EQ(text->font().pointSize(), 12);
    EXPECT_TRUE(text->font().bold());
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(FormKit::child<QLabel>(&help, "lnkWeb")->text(), "Visualizza guida in formato PDF");
}

TEST_F(HelpScreens, ThePdfLinkAndItsPictureHandTheQuotedManualToTheShell) {
    TfrmGuida help;
    help.show();
    // The manual is the install's, beside the program, wherever the data are.
    ASSERT_NE(ProgramFolder::programPath(), ProgramFolder::path());
    const QString manual = '"' + ProgramFolder::programPath() + "Guida.pdf" + '"';
    auto* link = FormKit::child<LinkLabel>(&help, "lnkWeb");
    QTest::mouseClick(link, Qt::LeftButton);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    FormKit::child<QAbstractButton>(&help, "imgPDF")->click();
    EXPECT_EQ(shell->opened, QStringList({manual, manual, manual}));
    // The manual is not there: nothing is said.
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpScreens, TheInformationScreenNamesTheDataFolder) {
    TfrmInfo info;
    EXPECT_EQ(FormKit::child<QLabel>(&info, "lblCartella")->text(),
              "Cartella dei dati: " +
                  QDir::toNativeSeparators(QDir::cleanPath(ProgramFolder::path())));
}

TEST_F(HelpScreens, TheMailLinkGoesOutWithSubjectAndBodyAsTheyAre) {
    TfrmInfo info;
    EXPECT_EQ(info.windowTitle(), " Informazioni su Velmora");
    auto* link = FormKit::child<LinkLabel>(&info, "lnkWeb");
    EXPECT_EQ(link->text(), MakerInfo::kMail);
    EXPECT_TRUE(link->font().underline());
    info.show();
    FormKit::child<QAbstractButton>(&info, "imgEmail")->click();
    QTest::mouseClick(link, Qt::LeftButton);
    const QString mail = "\"mailto:" + MakerInfo::kMail +
                         "?subject=Software Velmora&body=Salve, desidererei avere le seguenti "
                         "informazioni sul software in oggetto:\"";
    EXPECT_EQ(shell->opened, QStringList({mail, mail}));
    EXPECT_FALSE(mail.contains('%'));
}

TEST_F(HelpScreens, TheAboutScreenNamesTheOwnerAndLinksTheMakersSite) {
    TfrmSplash splash;
    EXPECT_EQ(splash.windowTitle(), " Velmora - " + MakerInfo::kOwnerNotice);
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(FormKit::child<QLabel>(&splash, "lnkWeb")->text(), MakerInfo::kWebSite);
    FormKit::child<QAbstractButton>(&splash, "imgWeb")->click();
    EXPECT_EQ(shell->opened, QStringList({MakerInfo::kWebSite}));
}

TEST_F(HelpScreens, TheStartMenuOpensInformationAndAboutOverItself) {
    for (const auto& [button, shownScreen] :
         {std::pair{"imgInfo", "TfrmInfo"}, std::pair{"imgCopyright", "TfrmSplash"}}) {
        QWidget* parent = nullptr;
        modal->scripts.push_back([&](QDialog& d) {
            parent = d.parentWidget();
            FormKit::child<QAbstractButton>(&d, "btnChiudi")->click();
        });
        click("TfrmAvvio", button);
        EXPECT_EQ(modal->shownScreens.last(), shownScreen);
        EXPECT_EQ(parent, screen("TfrmAvvio"));
    }
}

// Holding the mouse button on a link or its picture turns the link orange;
// letting go turns it dark blue again.
TEST_F(HelpScreens, LinksTurnOrangeWhilePressedAndDarkBlueWhenReleased) {
    TfrmGuida help;
    TfrmInfo info;
    TfrmSplash splash;
    for (auto [screen, picture] : {std::pair<QDialog*, const char*>{&help, "imgPDF"},
                                   {&info, "imgEmail"},
                                   {&splash, "imgWeb"}}) {
        SCOPED_TRACE(picture);
        screen->show();
        auto* link = FormKit::child<LinkLabel>(screen, "lnkWeb");
        EXPECT_EQ(link->colour(), LinkColours::kIdle);
        QTest::mousePress(link, Qt::LeftButton);
        EXPECT_EQ(link->colour(), LinkColours::kPressed);
        QTest::mouseRelease(link, Qt::LeftButton);
        EXPECT_EQ(link->colour(), LinkColours::kIdle);
        auto* pic = FormKit::child<QAbstractButton>(screen, picture);
        QTest::mousePress(pic, Qt::LeftButton);
        EXPECT_EQ(link->colour(), LinkColours::kPressed);
        QTest::mouseRelease(pic, Qt::LeftButton);
        EXPECT_EQ(link->colour(), LinkColours::kIdle);
    }
    EXPECT_EQ(LinkColours::kIdle, QColor(0x00, 0x00, 0x8b));
    EXPECT_EQ(shell->opened.size(), 6);
}

// A press that is let go outside the link opens nothing.
TEST_F(HelpScreens, APressLetGoOutsideTheLinkOpensNothing) {
    TfrmGuida help;
    help.show();
    auto* link = FormKit::child<LinkLabel>(&help, "lnkWeb");
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(link->colour(), LinkColours::kIdle);
    EXPECT_TRUE(shell->opened.isEmpty());
}

} // namespace
