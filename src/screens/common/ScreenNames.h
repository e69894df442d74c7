#pragma once
// The name of every screen, as its objectName and as other screens find it,
// and the routing tags the screens write into one another's lblMemory. One
// place, so a screen is never reached through a misspelt text.

#include <QString>

namespace ScreenName {
inline const QString kPassword = QStringLiteral("TfrmPassword");
inline const QString kAvvio = QStringLiteral("TfrmAvvio");
inline const QString kCambiaPassword = QStringLiteral("TfrmCambiaPassword");
inline const QString kCarta = QStringLiteral("TfrmCarta");
inline const QString kCodFisc = QStringLiteral("TfrmCodFisc");
inline const QString kGuida = QStringLiteral("TfrmGuida");
inline const QString kIban = QStringLiteral("TfrmIban");
inline const QString kInfo = QStringLiteral("TfrmInfo");
inline const QString kPartitaIva = QStringLiteral("TfrmPartitaIva");
inline const QString kSplash = QStringLiteral("TfrmSplash");
inline const QString kIstruttori = QStringLiteral("TfrmIstruttori");
inline const QString kAllegaCartella = QStringLiteral("TfrmAllegaCartella");
inline const QString kTrovaIstruttori = QStringLiteral("TfrmTrovaIstruttori");
inline const QString kDaRinnovare = QStringLiteral("TfrmDaRinnovare");
inline const QString kExpIstruttori = QStringLiteral("TfrmExpIstruttori");
inline const QString kStampaIstruttore = QStringLiteral("TfrmStampaIstruttore");
inline const QString kAnteprimaIstruttore = QStringLiteral("TfrmAnteprimaIstruttore");
inline const QString kOrari = QStringLiteral("TfrmOrari");
inline const QString kExpOrari = QStringLiteral("TfrmExpOrari");
inline const QString kTrovaOrari = QStringLiteral("TfrmTrovaOrari");
inline const QString kStampaOrario = QStringLiteral("TfrmStampaOrario");
inline const QString kMenuRegistro = QStringLiteral("TfrmMenuRegistro");
inline const QString kTurni = QStringLiteral("TfrmTurni");
inline const QString kCalendario = QStringLiteral("TfrmCalendario");
inline const QString kTrovaTurni = QStringLiteral("TfrmTrovaTurni");
inline const QString kExpTurni = QStringLiteral("TfrmExpTurni");
inline const QString kStampaTurno = QStringLiteral("TfrmStampaTurno");
inline const QString kSettimanale = QStringLiteral("TfrmSettimanale");
inline const QString kStampaSet = QStringLiteral("TfrmStampaSet");
inline const QString kAnteprimaSet = QStringLiteral("TfrmAnteprimaSet");
inline const QString kTrovaSet = QStringLiteral("TfrmTrovaSet");
inline const QString kAnteprimaTurno = QStringLiteral("TfrmAnteprimaTurno");
inline const QString kOre = QStringLiteral("TfrmOre");
} // namespace ScreenName

namespace RoutingTag {
// The year chooser's own: where its close hands over to.
inline const QString kAvvio = QStringLiteral("avvio");       // the start menu
inline const QString kRegistro = QStringLiteral("registro"); // the daily editor
// The daily editor's search, template picker, date picker and attachments;
// "turni_01" to "turni_12" for the worker picked into each slot.
inline const QString kTurni = QStringLiteral("turni");
inline QString turniSlot(int slot) {
    return kTurni + u'_' + QString::number(slot).rightJustified(2, u'0');
}
// The weekly editor's search, template picker and attachments, and the
// year chooser's hand-over to it; the two date boxes of the week.
inline const QString kSettimanale = QStringLiteral("settimanale");
inline const QString kSetInizio = QStringLiteral("set_inizio");
inline const QString kSetFine = QStringLiteral("set_fine");
// The timetable and the worker editors' search and attachments.
inline const QString kOrari = QStringLiteral("orari");
inline const QString kIstruttori = QStringLiteral("istruttori");
// The two date boxes of the hours list's period.
inline const QString kOreDal = QStringLiteral("TfrmOre_dal");
inline const QString kOreAl = QStringLiteral("TfrmOre_al");
} // namespace RoutingTag
