// The production seams: message boxes with the buttons of their kind, and
// the shell-open helper handing paths and links to the desktop.
#include "screens/common/Platform.h"
#include "screens/common/OpenURL.h"
#include "support/GuiTest.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(Messages, EachKindHasItsButtons) {
    using Kind = Messages::Kind;
    const std::pair<Kind, QMessageBox::StandardButtons> table[] = {
        {Kind::Warning, QMessageBox::Ok | QMessageBox::Cancel},
        {Kind::Error, QMessageBox::Ok | QMessageBox::Cancel},
        {Kind::Information, QMessageBox::Ok | QMessageBox::Cancel},
        {Kind::Question, QMessageBox::Yes | QMessageBox::No},
        {Kind::Plain, QMessageBox::Ok},
    };
    for (const auto& [kind, buttons] : table) {
        QMessageBox box;
        prepareMessageBox(box, kind, QStringLiteral("Attenzione: prova.\n\r\n\rSeconda riga."));
        EXPECT_EQ(box.standardButtons(), buttons) << int(kind);
        EXPECT_EQ(box.text(), QStringLiteral("Attenzione: prova.\n\r\n\rSeconda riga."));
    }
}

// Catches what the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST(Shell, QuotesAreStrippedAndPathsBecomeFileUrls) {
    UrlCatcher catcher;
    for (const char* scheme : {"file", "mailto", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    TMisc::Open(QStringLiteral("\"/opt/velmora/Documenti_Allegati/piano turni.pdf\""));
    TMisc::Open(QStringLiteral("\"mailto:rossi@example.org\""));
    TMisc::Open(QStringLiteral("https://velmora.example/"));
    for (const char* scheme : {"file", "mailto", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));

    ASSERT_EQ(catcher.urls.size(), 3);
    EXPECT_EQ(catcher.urls[0].toLocalFile(),
              QStringLiteral("/opt/velmora/Documenti_Allegati/piano turni.pdf"));
    EXPECT_EQ(catcher.urls[1].toString(), QStringLiteral("mailto:rossi@example.org"));
    EXPECT_EQ(catcher.urls[2].toString(), QStringLiteral("https://velmora.example/"));
}

// While a test runs, the file chooser is the scripted one of the fixture;
// installing none brings back the system's file dialog.
class FileChooserSeam : public GuiTest {};

TEST_F(FileChooserSeam, TheFixtureScriptsTheChooserAndNoneRestoresTheSystemOne) {
    ASSERT_EQ(&Platform::fileChooser(), fileChooser);
    fileChooser->answers = {QStringLiteral("/tmp/contratto.pdf")};
    EXPECT_EQ(Platform::fileChooser().openFile(nullptr, QStringLiteral("Allega")),
              QStringLiteral("/tmp/contratto.pdf"));
    EXPECT_EQ(Platform::fileChooser().openFile(nullptr, QStringLiteral("Allega")), QString())
        << "with no answer left the user cancels";
    EXPECT_EQ(fileChooser->titles, (QStringList{"Allega", "Allega"}));

    Platform::install(std::unique_ptr<FileChooser>());
    EXPECT_EQ(dynamic_cast<ScriptedFileChooser*>(&Platform::fileChooser()), nullptr);
}

} // namespace

#include "PlatformTest.moc"
