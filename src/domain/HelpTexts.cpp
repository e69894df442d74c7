#include "HelpTexts.h"

#include "Backups.h"

namespace HelpTexts {

namespace {

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

const QStringList& workerText() {
    static const QStringList text = lines({
        "L'applicazione Anagrafica Lavoratori mette a disposizione un ambiente di lavoro in cui "
        "registrare i dati dei dipendenti o comunque di tutto il personale che collabora con la "
        "propria azienda. Ogni lavoratore ha una propria scheda, conservata nell'archivio "
        "Dipendenti.pro della cartella del programma; le frecce della barra dei pulsanti "
        "visualizzano la prima scheda, la precedente, la successiva e l'ultima.",

        "La scheda raccoglie i dati anagrafici (cognome, nome, codice fiscale, sesso, data, "
        "comune e provincia di nascita, partita IVA), l'indirizzo di residenza, lo stato civile, "
        "i giorni e gli orari di disponibilità, il recapito preferenziale, i numeri di telefono "
        "di casa, del cellulare e dell'ufficio, il fax e l'indirizzo di posta elettronica, la "
        "qualifica principale e gli altri titoli, i dati di pagamento (IBAN, intestatario del "
        "conto, banca, numero e scadenza della carta di credito, modalità di pagamento), "
        "l'equipaggiamento assegnato, il documento di riconoscimento con il numero, l'ente e le "
        "date di rilascio e di scadenza, e le note. Il pulsante accanto al campo E-mail apre il "
        "programma di posta elettronica con un nuovo messaggio indirizzato al lavoratore.",

        "La parte dedicata al contratto riporta la mansione, la categoria, il livello, il tipo "
        "di contratto, la data di assunzione, la prossima scadenza e i giorni di preavviso, "
        "insieme al compenso totale, al frazionamento e all'importo della rata, scritti in euro "
        "con la virgola dei decimali. Il pulsante Scadenze elenca i lavoratori il cui contratto "
        "è già scaduto o scadrà entro i giorni di preavviso indicati nella scheda, così da "
        "preparare per tempo il rinnovo: l'elenco può essere stampato e un doppio clic su una "
        "riga riporta la scheda di quel lavoratore nell'ambiente di lavoro.",

        "Il pulsante Allega permette di associare a ogni scheda fino a tre file, per esempio la "
        "copia di un documento d'identità, il contratto firmato o un curriculum, ciascuno con "
        "una breve descrizione. Il file scelto con il pulsante Sfoglia viene copiato nella "
        "cartella Documenti_Allegati del programma (se esiste già un file con lo stesso nome, il "
        "programma chiede se sostituirlo) e può essere aperto in qualsiasi momento con il "
        "pulsante Apri. Gli allegati entrano a far parte della scheda quando la scheda viene "
        "salvata.",

        "Per inserire un nuovo lavoratore si preme Nuovo, si compilano i campi (il tasto Invio "
        "porta da un campo al successivo) e si preme Salva. I campi obbligatori sono il "
        "cognome, il nome, la data di assunzione e la prossima scadenza del contratto: se uno di "
        "essi è vuoto, il programma lo segnala e porta il cursore sul campo da completare. Le "
        "date si scrivono nella forma gg/mm/aaaa. Salvando una scheda già presente in archivio "
        "se ne aggiornano i dati al suo posto, senza crearne una copia.",

        "I pulsanti posti accanto ai campi Codice fiscale, Carta di credito n., IBAN e Partita "
        "IVA aprono una piccola finestra che verifica la correttezza formale del dato: il "
        "carattere di controllo del codice fiscale, la cifra di controllo del numero della "
        "carta di credito, le cifre di controllo dell'IBAN e, per la partita IVA, l'ufficio "
        "provinciale e la cifra di controllo. Il dato può essere corretto nella finestra e "
        "controllato di nuovo; la verifica non modifica la scheda.",

        "Il pulsante Trova apre la ricerca per chiave parziale: basta scrivere in uno o più "
        "campi di ricerca alcune parole consecutive del dato cercato, per esempio soltanto una "
        "parte del cognome, e premere Cerca per ottenere l'elenco ordinato dei lavoratori che le "
        "contengono tutte, con il numero delle schede trovate. Il pulsante Trova della finestra "
        "di ricerca porta alla riga successiva che contiene una parola, Stampa stampa l'elenco e "
        "un doppio clic su una riga (o il tasto Invio) riporta la scheda nell'ambiente di "
        "lavoro. La stessa ricerca si apre dalle tabelle dei turni giornaliere per scegliere i "
        "turnisti.",

        "Il pulsante Esporta mostra in una griglia i dati di tutti i lavoratori in archivio e li "
        "esporta in un foglio di lavoro di Microsoft Excel. Il pulsante Stampa stampa la scheda "
        "del lavoratore visualizzata su un foglio A4 verticale, con la stampante o in un file "
        "PDF scelti nella finestra di stampa, mentre Anteprima mostra a video la stessa pagina "
        "prima di stamparla.",
    });
    return text;
}

const QStringList& timetableText() {
    static const QStringList text = lines({
        "L'applicazione Impostazione Orari è studiata per creare uno o più schemi degli orari di "
        "servizio e delle attività che scandiscono i turni di lavoro in ogni periodo dell'anno. "
        "Uno schema, per esempio l'orario estivo o quello dei giorni festivi, si prepara una "
        "volta sola e si importa poi in qualsiasi tabella dei turni giornaliera o settimanale, "
        "senza doverlo riscrivere ogni volta. Gli schemi sono conservati nell'archivio "
        "Orari.pro della cartella del programma.",

        "Ogni schema è composto dal nome della tabella dei turni, dal periodo di validità, dalla "
        "sede operativa, dalle disposizioni organizzative e dalle annotazioni, e da dodici fasce "
        "orarie: per ciascuna si indicano l'ora di inizio, l'ora di fine e l'attività da "
        "svolgere. Gli orari si scrivono nella forma hh:mm; le fasce che non servono possono "
        "restare vuote.",

        "Per creare uno schema si preme Nuovo, si compilano i campi (il tasto Invio porta da un "
        "campo al successivo) e si preme Salva: l'unico campo obbligatorio è il nome della "
        "tabella dei turni. Per modificare uno schema già archiviato basta visualizzarlo con le "
        "frecce o con Trova, cambiarne i dati e premere di nuovo Salva: la scheda viene "
        "aggiornata al suo posto in archivio.",

        "Il pulsante Duplica trasforma lo schema visualizzato, purché sia già stato salvato, in "
        "una nuova scheda con gli stessi dati ma senza gli allegati: è il modo più rapido per "
        "preparare uno schema simile a uno esistente. Dopo aver apportato le modifiche, Salva "
        "inserisce la copia in archivio come nuova scheda e lascia intatto l'originale.",

        "Il pulsante Trova apre la ricerca per chiave parziale: si scrivono alcune parole "
        "consecutive nel nome, nel periodo, nella sede, nelle disposizioni, nelle attività o "
        "nelle annotazioni, si preme Cerca e si "
        "ottiene l'elenco ordinato degli schemi che le contengono tutte. Un doppio clic su una "
        "riga (o il tasto Invio) riporta lo schema nell'ambiente di lavoro. La stessa ricerca si "
        "apre dalle tabelle dei turni, con il pulsante accanto al nome della tabella, per "
        "importare uno schema.",

        "Il pulsante Allega permette di associare a ogni schema fino a tre file con la loro "
        "descrizione, per esempio un regolamento o una planimetria della sede. I file vengono "
        "copiati nella cartella Documenti_Allegati del programma, si aprono con il pulsante Apri "
        "della stessa finestra ed entrano a far parte dello schema quando lo schema viene "
        "salvato.",

        "Il pulsante Esporta mostra in una griglia tutti gli schemi in archivio e li esporta in "
        "un foglio di lavoro di Microsoft Excel. Il pulsante Stampa stampa lo schema "
        "visualizzato su un foglio A4 orizzontale, con la stampante o in un file PDF scelti "
        "nella finestra di stampa.",
    });
    return text;
}

const QStringList& calendarText() {
    static const QStringList text = lines({
        "L'applicazione Calendario Turni si compone di due ambienti che permettono di effettuare "
        "una programmazione dei turni di lavoro nella propria azienda o associazione in base a "
        "un calendario giornaliero oppure settimanale.",

        "Dal menu principale si sceglie Calendario Turni e si indica l'anno solare, proposto "
        "uguale a quello in corso: il pulsante Apri del riquadro giornaliero apre le tabelle dei "
        "turni di un giorno, quello del riquadro settimanale le tabelle di un'intera settimana. "
        "Ogni anno ha i propri archivi, uno per le tabelle giornaliere (il file con estensione "
        ".ore) e uno per le settimanali (il file con estensione .set), creati la prima volta che "
        "l'anno viene aperto.",

        "Nell'ambiente giornaliero ogni tabella riporta il nome della tabella dei turni, la data "
        "a cui si riferisce, il periodo di validità, la sede operativa, le disposizioni "
        "organizzative e le annotazioni, e dodici fasce orarie: per ciascuna l'ora di inizio e "
        "di fine, i turnisti e l'attività da svolgere.",

        "Per creare una tabella si preme Nuovo, si sceglie la data con il pulsante del "
        "calendario (o premendo un tasto qualsiasi nel campo della data) e si compilano i campi. "
        "Il pulsante accanto al nome della tabella importa uno schema dall'applicazione "
        "Impostazione Orari: nome, periodo, sede, disposizioni, annotazioni, orari e attività "
        "delle dodici fasce vengono copiati nella tabella, mentre data e turnisti restano come "
        "sono. Il pulsante accanto ai turnisti di ciascuna fascia apre la ricerca dell'anagrafica "
        "e aggiunge un lavoratore alla volta, separando i nomi con una virgola. Salva inserisce "
        "la tabella nell'archivio dell'anno; il nome e la data sono obbligatori. Se un turnista "
        "risulta impegnato in due fasce che si sovrappongono, nella stessa tabella o in un'altra "
        "tabella dello stesso giorno, dopo il salvataggio un avviso sotto la griglia indica il "
        "turnista, l'altra tabella e i due orari; la tabella viene salvata comunque.",

        "Per modificare una tabella già archiviata basta visualizzarla con le frecce o con "
        "Trova, cambiarne i dati e premere di nuovo Salva: la tabella viene aggiornata al suo "
        "posto in archivio, senza crearne una copia.",

        "Il pulsante Duplica trasforma la tabella visualizzata, purché sia già stata salvata, in "
        "una nuova tabella con gli stessi dati ma senza gli allegati: basta cambiare la data e "
        "gli eventuali turnisti e premere Salva per programmare rapidamente un altro giorno con "
        "gli stessi orari.",

        "Il pulsante Trova apre la ricerca per chiave parziale nell'archivio dell'anno: si "
        "scrivono alcune parole consecutive in uno o più campi di ricerca (per esempio il "
        "cognome di un turnista o una data), si preme Cerca e si ottiene l'elenco ordinato delle "
        "tabelle che le contengono tutte. Il pulsante Trova della finestra di ricerca porta alla "
        "riga successiva che contiene una parola, Stampa stampa l'elenco e un doppio clic su una "
        "riga (o il tasto Invio) riporta la tabella nell'ambiente di lavoro.",

        "Il pulsante Allega permette di associare a ogni tabella fino a tre file con la loro "
        "descrizione, per esempio un ordine di servizio o un elenco di presenze. I file vengono "
        "copiati nella cartella Documenti_Allegati del programma, si aprono con il pulsante Apri "
        "della stessa finestra ed entrano a far parte della tabella quando la tabella viene "
        "salvata.",

        "Il pulsante Esporta mostra in una griglia tutte le tabelle dell'anno e le esporta in un "
        "foglio di lavoro di Microsoft Excel. Il pulsante Stampa stampa la tabella visualizzata "
        "su un unico foglio A4 orizzontale, da esporre in bacheca o da consegnare ai turnisti, "
        "con la stampante o in un file PDF scelti nella finestra di stampa; Anteprima mostra a "
        "video la stessa pagina prima di stamparla. Il pulsante Ore elenca i turnisti con le "
        "ore di lavoro svolte in un periodo a scelta, per impostazione l'intero anno, e permette "
        "di stampare l'elenco.",

        "Nell'ambiente settimanale ogni tabella riporta il nome della tabella dei turni, la data "
        "di inizio e la data di fine della settimana, la sede operativa, le disposizioni "
        "organizzative e le annotazioni, e dodici fasce orarie: per ciascuna l'ora di inizio e "
        "di fine e, giorno per giorno da lunedì a domenica, i turnisti o le attività di quella "
        "fascia.",

        "Per creare una tabella settimanale si preme Nuovo, si scelgono le date di inizio e di "
        "fine con i pulsanti del calendario (o premendo un tasto qualsiasi nei rispettivi campi) "
        "e si compilano le caselle della settimana. Il pulsante accanto al nome della tabella "
        "importa uno schema dall'applicazione Impostazione Orari: nome, sede, disposizioni, "
        "annotazioni e orari delle dodici fasce vengono copiati nella tabella, mentre le date e "
        "le caselle dei giorni restano come sono. Salva inserisce la tabella nell'archivio "
        "settimanale dell'anno; il nome e le due date sono obbligatori. Anche qui, dopo il "
        "salvataggio, un avviso sotto la griglia segnala il turnista impegnato in due fasce "
        "sovrapposte dello stesso giorno.",

        "Per modificare una tabella settimanale già archiviata basta visualizzarla con le "
        "frecce o con Trova, cambiarne i dati e premere di nuovo Salva: la tabella viene "
        "aggiornata al suo posto in archivio.",

        "Il pulsante Duplica trasforma la tabella settimanale visualizzata, purché sia già stata "
        "salvata, in una nuova tabella con gli stessi dati ma senza gli allegati: basta cambiare "
        "le date e premere Salva per riproporre la stessa organizzazione in un'altra settimana.",

        "Il pulsante Trova apre la ricerca per chiave parziale nell'archivio settimanale "
        "dell'anno: si scrivono alcune parole consecutive in uno o più campi di ricerca, si "
        "preme Cerca e si ottiene l'elenco ordinato delle tabelle che le contengono tutte; un "
        "doppio clic su una riga (o il tasto Invio) riporta la tabella nell'ambiente di lavoro.",

        "Il pulsante Allega associa anche alle tabelle settimanali fino a tre file con la loro "
        "descrizione, copiati nella cartella Documenti_Allegati del programma. Il pulsante "
        "Stampa stampa la tabella settimanale visualizzata su un foglio A4 orizzontale, con la "
        "stampante o in un file PDF, e Anteprima ne mostra a video la pagina prima di "
        "stamparla. Il pulsante Ore elenca le ore di lavoro di ogni turnista nelle tabelle "
        "settimanali del periodo scelto.",
    });
    return text;
}

QStringList exportText(const char* object) {
    return lines({})
           << QStringLiteral("Il pulsante Esporta archivio consente di esportare ") +
                  QString::fromUtf8(object) +
                  QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che potrà essere "
                                 "aperto con qualsiasi software in grado di gestire i file in "
                                 "formato XLS (ad esempio, con Open Office, Libre Office o "
                                 "Microsoft Office).")
           << QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna "
                             "fare clic sull'icona di Excel. Questa operazione crea in tempo reale "
                             "un file in formato XLS contenente le schede in archivio, che potrà "
                             "essere aperto immediatamente rispondendo affermativamente al "
                             "messaggio di domanda che appare.")
           << QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                             "assegnandogli un nome qualsiasi.");
}

struct Topic {
    HelpTopic topic;
    const char* title;
};

const Topic kTitles[] = {
    {HelpTopic::General, "Uno sguardo a Velmora."},
    {HelpTopic::Workers, "Applicazione Anagrafica Lavoratori."},
    {HelpTopic::Timetables, "Applicazione Impostazione Orari."},
    {HelpTopic::Calendar, "Applicazione Calendario Turni."},
    {HelpTopic::ExportDaily, "Esportazione archivio turni di lavoro in Microsoft Excel."},
    {HelpTopic::ExportTimetables, "Esportazione archivio orari di lavoro in Microsoft Excel."},
    {HelpTopic::ExportWorkers, "Esportazione archivio lavoratori in Microsoft Excel."},
};

} // namespace

QString introduction() {
    return QStringLiteral(
        "Velmora è un software pensato per qualsiasi azienda, associazione, ente o istituto per "
        "gestire la programmazione dei turni di lavoro del personale dipendente con impostazione "
        "personalizzata degli orari di servizio. Il programma si compone di tre applicazioni "
        "interagenti che consentono di memorizzare i dati anagrafici e i recapiti dei "
        "dipendenti, di creare uno o più schemi degli orari di servizio adottati nei diversi "
        "periodi dell'anno solare e di programmare i turni di lavoro giornalieri o settimanali "
        "compilando una dettagliata tabella dei turnisti da stampare su un unico foglio in "
        "formato A4.");
}

QStringList closing() {
    return QStringList()
           << QStringLiteral("Velmora può essere utilizzato anche in una rete locale se si ha "
                             "necessità di condividere gli archivi fra più postazioni di lavoro.")
           << QStringLiteral(
                  "Velmora funziona anche su chiavetta USB. A tal fine, basta copiare la "
                  "cartella del programma su pen-drive e fare doppio clic sull'icona "
                  "dell'applicazione per eseguirla. La copia della cartella su "
                  "dispositivo esterno è anche il metodo più veloce per effettuare il "
                  "backup dei dati archiviati.")
           << QStringLiteral("L'accesso al software è protetto da una password aggiornabile "
                             "dall'utente che può essere cambiata tutte le volte che si desidera. "
                             "Per il primo accesso al programma, bisogna utilizzare la parola "
                             "chiave \"") +
                  QString::fromLatin1(kFirstPassword) +
                  QStringLiteral("\" (scritta senza le virgolette).")
           << QStringLiteral(
                  "La password impedisce ad altre persone di usare il programma, ma non protegge "
                  "i suoi file: gli archivi, i documenti allegati e i fogli esportati sono normali "
                  "file nella cartella del programma, che chiunque possa leggere quella cartella "
                  "può aprire o copiare anche senza Velmora, e la password stessa vi è conservata "
                  "soltanto camuffata, non cifrata. Per proteggere i dati bisogna proteggere la "
                  "cartella: con i permessi di accesso del sistema operativo, in modo che possa "
                  "leggerla e modificarla soltanto chi usa il programma, oppure, se il programma "
                  "è usato da più persone, con una cartella condivisa riservata al loro gruppo.")
           << QStringLiteral(
                  "Ogni giorno, prima di modificare per la prima volta un archivio, Velmora ne "
                  "fa da sé una copia di sicurezza nella cartella %1 della cartella dei dati "
                  "(indicata nella finestra Informazioni), con il nome dell'archivio seguito "
                  "dalla data, per esempio 2024.ore.20241211. Di ogni archivio vengono "
                  "conservate le copie degli ultimi %2 giorni e resta sempre almeno la più "
                  "recente; la password e i documenti allegati non vengono copiati. Per "
                  "ripristinare un archivio bisogna chiudere il programma e copiare il file "
                  "scelto dalla cartella %1 nella cartella dei dati con il nome dell'archivio "
                  "(per esempio 2024.ore), al posto di quello presente. Le copie si trovano "
                  "sullo stesso "
                  "disco degli archivi: per metterle al sicuro da un guasto o da un furto "
                  "bisogna copiare regolarmente la cartella %1 su una chiavetta USB, su un "
                  "disco esterno o su un altro computer.")
                  .arg(Backups::kFolderName)
                  .arg(Backups::kDaysKept)
           << QStringLiteral("Velmora è quindi lo strumento ideale per tutte le aziende che hanno "
                             "bisogno di programmare velocemente gli orari di servizio da stampare "
                             "su fogli A4 ed esporre in bacheca o inviare ai turnisti interessati. "
                             "L'utente rimarrà piacevolmente sorpreso nel constatare come il "
                             "software richieda tempi di apprendimento praticamente nulli.");
}

QString title(HelpTopic topic) {
    for (const Topic& t : kTitles)
        if (t.topic == topic) return QString::fromUtf8(t.title);
    return {};
}

QStringList paragraphs(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::General:
        return QStringList(introduction()) + workerText() + timetableText() + calendarText() +
               closing();
    case HelpTopic::Workers:
        return workerText();
    case HelpTopic::Timetables:
        return timetableText();
    case HelpTopic::Calendar:
        return calendarText();
    case HelpTopic::ExportDaily:
        return exportText("l'archivio annuale dei turni di lavoro");
    case HelpTopic::ExportTimetables:
        return exportText("l'archivio degli orari di lavoro");
    case HelpTopic::ExportWorkers:
        return exportText("i dati anagrafici di tutti i lavoratori");
    }
    return {};
}

QString join(const QStringList& paragraphs) {
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

QString text(HelpTopic topic) {
    return join(paragraphs(topic));
}

} // namespace HelpTexts
