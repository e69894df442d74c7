// The printable manual: built beside the program from the help texts, a
// title page, an introduction and one chapter per application, on A4.
#include "reports/Manual.h"
#include "PdfSupport.h"
#include "domain/HelpTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// pdftotext lays lines out as on the page; words are compared one blank apart.
QString words(const QString& text) {
    return text.simplified();
}

TEST(Manual, HasATitlePageAnIntroductionAndOneChapterPerApplicationInOrder) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Guida.pdf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_GT(f.write(Manual::pdf()), 0);
    }
    const std::optional<QString> text = pdfText(file);
    ASSERT_TRUE(text.has_value());
    const QString all = words(*text);
    qsizetype at = 0;
    for (const char* heading :
         {"Velmora", "Guida all'utilizzo del software", "Introduzione", "1. Anagrafica Lavoratori",
          "2. Impostazione Orari", "3. Calendario Turni"}) {
        const qsizetype found = all.indexOf(QString::fromUtf8(heading), at);
        EXPECT_GE(found, at) << heading;
        at = found;
    }
    EXPECT_TRUE(all.contains("parola chiave \"pergolatoverde\" (scritta senza le virgolette)."));
    EXPECT_TRUE(all.contains("Esportazione in Microsoft Excel"));
    // Every help paragraph is in it: its first words at least.
    for (HelpTopic topic : {HelpTopic::Workers, HelpTopic::Timetables, HelpTopic::Calendar})
        for (const QString& p : HelpTexts::paragraphs(topic))
            EXPECT_TRUE(all.contains(p.section(' ', 0, 5))) << p.toStdString();
    EXPECT_GE(pdfPageCount(file), 5);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("/MediaBox [0 0 595.000000 842.000000]")); // A4 portrait
}

// The build lays the manual beside the executables, where the help screen
// looks for it.
TEST(Manual, IsBuiltBesideTheProgram) {
    const QString built = QCoreApplication::applicationDirPath() + "/Guida.pdf";
    ASSERT_TRUE(QFile::exists(built));
    const std::optional<QString> text = pdfText(built);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(words(*text).contains("3. Calendario Turni"));
}

} // namespace
