// The help texts: how many paragraphs each topic has, how the general text
// is put together, and how paragraphs are joined.

#include "domain/HelpTexts.h"

#include <gtest/gtest.h>

namespace {

struct Count {
    HelpTopic topic;
    qsizetype paragraphs;
    const char* title;
};

const Count kCounts[] = {
    {HelpTopic::General, 36, "Uno sguardo a Velmora."},
    {HelpTopic::Workers, 8, "Applicazione Anagrafica Lavoratori."},
    {HelpTopic::Timetables, 7, "Applicazione Impostazione Orari."},
    {HelpTopic::Calendar, 15, "Applicazione Calendario Turni."},
    {HelpTopic::ExportDaily, 3, "Esportazione archivio turni di lavoro in Microsoft Excel."},
    {HelpTopic::ExportTimetables, 3, "Esportazione archivio orari di lavoro in Microsoft Excel."},
    {HelpTopic::ExportWorkers, 3, "Esportazione archivio lavoratori in Microsoft Excel."},
};

TEST(HelpTexts, EachTopicHasItsTitleAndParagraphsJoinedByOneEmptyLine) {
    for (const Count& c : kCounts) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(HelpTexts::title(c.topic), QString::fromUtf8(c.title));
        const QStringList paragraphs = HelpTexts::paragraphs(c.topic);
        EXPECT_EQ(paragraphs.size(), c.paragraphs);
        for (const QString& p : paragraphs) {
            EXPECT_FALSE(p.trimmed().isEmpty());
            EXPECT_EQ(p, p.trimmed()) << p.toStdString();
            EXPECT_FALSE(p.contains(u'\r') || p.contains(u'\n')) << p.toStdString();
            EXPECT_FALSE(p.contains(QStringLiteral("  "))) << p.toStdString();
        }
        const QString text = HelpTexts::text(c.topic);
        EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")), paragraphs);
        EXPECT_FALSE(text.contains(QStringLiteral("\r\n\r\n\r\n")));
    }
}

TEST(HelpTexts, TheGeneralTextIsTheIntroductionTheThreeApplicationsAndTheClosing) {
    const QStringList general = HelpTexts::paragraphs(HelpTopic::General);
    const QStringList expected = QStringList(HelpTexts::introduction()) +
                                 HelpTexts::paragraphs(HelpTopic::Workers) +
                                 HelpTexts::paragraphs(HelpTopic::Timetables) +
                                 HelpTexts::paragraphs(HelpTopic::Calendar) + HelpTexts::closing();
    EXPECT_EQ(general, expected);
    EXPECT_EQ(HelpTexts::closing().size(), 5);
    EXPECT_TRUE(general.first().startsWith(
        "Velmora è un software pensato per qualsiasi azienda, associazione, ente o istituto per "
        "gestire la programmazione dei turni di lavoro del personale dipendente con impostazione "
        "personalizzata degli orari di servizio. Il programma si compone di tre applicazioni "
        "interagenti"));
    // Each application's text opens with its own sentence.
    const std::pair<HelpTopic, const char*> openings[] = {
        {HelpTopic::Workers,
         "L'applicazione Anagrafica Lavoratori mette a disposizione un ambiente di lavoro in cui "
         "registrare i dati dei dipendenti o comunque di tutto il personale che collabora con la "
         "propria azienda."},
        {HelpTopic::Timetables,
         "L'applicazione Impostazione Orari è studiata per creare uno o più schemi degli orari di "
         "servizio e delle attività che scandiscono i turni di lavoro in ogni periodo dell'anno."},
        {HelpTopic::Calendar,
         "L'applicazione Calendario Turni si compone di due ambienti che permettono di effettuare "
         "una programmazione dei turni di lavoro nella propria azienda o associazione in base a "
         "un calendario giornaliero oppure settimanale."},
    };
    for (const auto& [topic, opening] : openings)
        EXPECT_TRUE(HelpTexts::paragraphs(topic).first().startsWith(QString::fromUtf8(opening)))
            << opening;
}

TEST(HelpTexts, ThePasswordParagraphQuotesTheFirstAccessPasswordAndTheNextSaysWhatItGuards) {
    const QString password = HelpTexts::closing().at(2);
    EXPECT_TRUE(password.startsWith("L'accesso al software è protetto da una password"));
    EXPECT_TRUE(
        password.endsWith("Per il primo accesso al programma, bisogna utilizzare la "
                          "parola chiave \"pergolatoverde\" (scritta senza le virgolette)."));
    // The program, not the files; how the files are kept from others.
    const QString guards = HelpTexts::closing().at(3);
    for (const char* said :
         {"impedisce ad altre persone di usare il programma", "ma non protegge i suoi file",
          "normali file", "soltanto camuffata, non cifrata", "permessi di accesso",
          "cartella condivisa riservata al loro gruppo"})
        EXPECT_TRUE(guards.contains(QString::fromUtf8(said))) << said;
}

TEST(HelpTexts, TheExportsShareTheirLastTwoParagraphsAndNameTheirObject) {
    const std::pair<HelpTopic, const char*> objects[] = {
        {HelpTopic::ExportDaily, "l'archivio annuale dei turni di lavoro"},
        {HelpTopic::ExportTimetables, "l'archivio degli orari di lavoro"},
        {HelpTopic::ExportWorkers, "i dati anagrafici di tutti i lavoratori"},
    };
    const QStringList daily = HelpTexts::paragraphs(HelpTopic::ExportDaily);
    for (const auto& [topic, object] : objects) {
        const QStringList text = HelpTexts::paragraphs(topic);
        EXPECT_EQ(text[0], "Il pulsante Esporta archivio consente di esportare " +
                               QString::fromUtf8(object) +
                               " in un foglio di lavoro di Microsoft Excel, che potrà essere "
                               "aperto con qualsiasi software in grado di gestire i file in "
                               "formato XLS (ad esempio, con Open Office, Libre Office o "
                               "Microsoft Office).");
        EXPECT_EQ(text.mid(1), daily.mid(1));
    }
    EXPECT_EQ(daily[2], "A questo punto è sufficiente salvare il file sul proprio disco fisso "
                        "assegnandogli un nome qualsiasi.");
}

} // namespace
