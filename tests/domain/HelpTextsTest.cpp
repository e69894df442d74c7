// The help texts: how many paragraphs each topic has, the general text
// paragraph by paragraph, and how paragraphs are joined.

#include "domain/HelpTexts.h"

#include <gtest/gtest.h>

namespace {

struct Count {
    HelpTopic topic;
    qsizetype paragraphs;
    const char* title;
};

const Count kCounts[] = {
    {HelpTopic::General, 37, "Uno sguardo a Velmora."},
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

// The general text's own paragraphs, as the user reads them: the
// introduction, and the closing ones (the fourth, on what the password
// guards, and the fifth, on the daily copies, are the program's own).
const char* const kIntroduction =
    "Velmora è un software pensato per qualsiasi azienda, associazione, ente o istituto per "
    "gestire la programmazione dei turni di lavoro del personale dipendente con impostazione "
    "personalizzata degli orari di servizio. Il programma si compone di tre applicazioni "
    "interagenti che consentono di memorizzare i dati anagrafici e i recapiti dei dipendenti, di "
    "creare uno o più schemi degli orari di servizio adottati nei diversi periodi dell'anno "
    "solare e di programmare i turni di lavoro giornalieri o settimanali compilando una "
    "dettagliata tabella dei turnisti da stampare su un unico foglio in formato A4.";

const char* const kClosing[] = {
    "Velmora può essere utilizzato anche in una rete locale se si ha necessità di condividere "
    "gli archivi fra più postazioni di lavoro.",
    "Velmora funziona anche su chiavetta USB. A tal fine, basta copiare la cartella del "
    "programma su pen-drive e fare doppio clic sull'icona dell'applicazione per eseguirla. La "
    "copia della cartella su dispositivo esterno è anche il metodo più veloce per effettuare il "
    "backup dei dati archiviati.",
    "L'accesso al software è protetto da una password aggiornabile dall'utente che può essere "
    "cambiata tutte le volte che si desidera. Per il primo accesso al programma, bisogna "
    "utilizzare la parola chiave \"pergolatoverde\" (scritta senza le virgolette).",
    "La password impedisce ad altre persone di usare il programma, ma non protegge i suoi file: "
    "gli archivi, i documenti allegati e i fogli esportati sono normali file nella cartella del "
    "programma, che chiunque possa leggere quella cartella può aprire o copiare anche senza "
    "Velmora, e la password stessa vi è conservata soltanto camuffata, non cifrata. Per "
    "proteggere i dati bisogna proteggere la cartella: con i permessi di accesso del sistema "
    "operativo, in modo che possa leggerla e modificarla soltanto chi usa il programma, oppure, "
    "se il programma è usato da più persone, con una cartella condivisa riservata al loro "
    "gruppo.",
    "Ogni giorno, prima di modificare per la prima volta un archivio, Velmora ne fa da sé una "
    "copia di sicurezza nella cartella Backup della cartella dei dati (indicata nella finestra "
    "Informazioni), con il nome dell'archivio seguito dalla data, per esempio "
    "2024.ore.20241211. Di ogni archivio vengono conservate le copie degli ultimi 30 giorni e "
    "resta sempre almeno la più recente; la password e i documenti allegati non vengono "
    "copiati. Per ripristinare un archivio bisogna chiudere il programma e copiare il file "
    "scelto dalla cartella Backup nella cartella dei dati con il nome dell'archivio (per "
    "esempio 2024.ore), al posto di quello presente. Le copie si trovano sullo stesso disco "
    "degli archivi: per metterle al sicuro da un guasto o da un furto bisogna copiare "
    "regolarmente la cartella Backup su una chiavetta USB, su un disco esterno o su un altro "
    "computer.",
    "Velmora è quindi lo strumento ideale per tutte le aziende che hanno bisogno di programmare "
    "velocemente gli orari di servizio da stampare su fogli A4 ed esporre in bacheca o inviare "
    "ai turnisti interessati. L'utente rimarrà piacevolmente sorpreso nel constatare come il "
    "software richieda tempi di apprendimento praticamente nulli.",
};

// Each application's text, which opens with its own sentence.
const std::pair<HelpTopic, const char*> kOpenings[] = {
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

TEST(HelpTexts, TheGeneralTextIsTheIntroductionTheThreeApplicationsAndTheClosing) {
    const QStringList general = HelpTexts::paragraphs(HelpTopic::General);
    ASSERT_EQ(general.size(), 37);
    EXPECT_EQ(general.first(), QString::fromUtf8(kIntroduction));
    // Then the whole text of each application, in order, each at its place.
    qsizetype at = 1;
    for (const auto& [topic, opening] : kOpenings) {
        const QStringList text = HelpTexts::paragraphs(topic);
        EXPECT_TRUE(text.first().startsWith(QString::fromUtf8(opening))) << opening;
        EXPECT_EQ(general.mid(at, text.size()), text) << opening;
        at += text.size();
    }
    QStringList closing;
    for (const char* p : kClosing)
        closing << QString::fromUtf8(p);
    EXPECT_EQ(general.mid(at), closing);
    // The manual prints the same pieces on their own.
    EXPECT_EQ(HelpTexts::introduction(), general.first());
    EXPECT_EQ(HelpTexts::closing(), closing);
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
