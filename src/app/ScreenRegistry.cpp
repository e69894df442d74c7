#include "ScreenRegistry.h"

#include "AboutScreens.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmMenuRegistro.h"
#include "TfrmPassword.h"
#include "screens/checks/CheckDialogs.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"
#include "screens/common/TfrmAllegaCartella.h"
#include "screens/common/TfrmCalendario.h"
#include "screens/daily/TfrmAnteprimaTurno.h"
#include "screens/daily/TfrmExpTurni.h"
#include "screens/daily/TfrmStampaTurno.h"
#include "screens/daily/TfrmTrovaTurni.h"
#include "screens/daily/TfrmTurni.h"
#include "screens/shifts/TfrmOre.h"
#include "screens/timetables/TfrmExpOrari.h"
#include "screens/timetables/TfrmOrari.h"
#include "screens/timetables/TfrmStampaOrario.h"
#include "screens/timetables/TfrmTrovaOrari.h"
#include "screens/weekly/TfrmAnteprimaSet.h"
#include "screens/weekly/TfrmSettimanale.h"
#include "screens/weekly/TfrmStampaSet.h"
#include "screens/weekly/TfrmTrovaSet.h"
#include "screens/workers/TfrmAnteprimaIstruttore.h"
#include "screens/workers/TfrmDaRinnovare.h"
#include "screens/workers/TfrmExpIstruttori.h"
#include "screens/workers/TfrmIstruttori.h"
#include "screens/workers/TfrmStampaIstruttore.h"
#include "screens/workers/TfrmTrovaIstruttori.h"

#include <functional>

namespace {

struct Entry {
    std::function<QWidget*()> create;
    bool persistent; // reached through this instance; per-use screens are only created
};

// The program's screens in the order they have always been created in.
const std::vector<Entry>& established() {
    static const std::vector<Entry> table = {
        {[] { return new TfrmPassword; }, true}, // the main window, shown first
        {[] { return new TfrmAvvio; }, true},    // the start menu
        {[] { return new TfrmCambiaPassword; }, true},
        {[] { return new TfrmCarta; }, false}, // the identifier checks
        {[] { return new TfrmCodFisc; }, false},
        {[] { return new TfrmGuida; }, false}, // the help
        {[] { return new TfrmIban; }, false},
        {[] { return new TfrmInfo; }, false}, // information about the program
        {[] { return new TfrmPartitaIva; }, false},
        {[] { return new TfrmSplash; }, false},         // the about screen
        {[] { return new TfrmIstruttori; }, true},      // the worker registry
        {[] { return new TfrmAllegaCartella; }, false}, // the attachments of a record
        {[] { return new TfrmTrovaIstruttori; }, false},
        {[] { return new TfrmDaRinnovare; }, false},
        {[] { return new TfrmExpIstruttori; }, false},
        {[] { return new TfrmStampaIstruttore; }, false},
        {[] { return new TfrmAnteprimaIstruttore; }, false},
        {[] { return new TfrmOrari; }, true}, // the timetable templates
        {[] { return new TfrmExpOrari; }, false},
        {[] { return new TfrmTrovaOrari; }, false},
        {[] { return new TfrmStampaOrario; }, false},
        {[] { return new TfrmMenuRegistro; }, true}, // the year chooser
        {[] { return new TfrmTurni; }, true},        // the daily shift tables
        {[] { return new TfrmCalendario; }, false},
        {[] { return new TfrmTrovaTurni; }, false},
        {[] { return new TfrmExpTurni; }, false},
        {[] { return new TfrmStampaTurno; }, false},
        {[] { return new TfrmSettimanale; }, true}, // the weekly shift tables
        {[] { return new TfrmStampaSet; }, false},
        {[] { return new TfrmAnteprimaSet; }, false},
        {[] { return new TfrmTrovaSet; }, false},
        {[] { return new TfrmAnteprimaTurno; }, false},
    };
    return table;
}

// Screens the program gained later, after all of those, in the order they
// came; a new one goes at the end.
const std::vector<Entry>& added() {
    static const std::vector<Entry> table = {
        {[] { return new TfrmOre; }, false}, // the hours of the shift workers
    };
    return table;
}

} // namespace

ScreenSet::ScreenSet() {
    for (const auto* table : {&established(), &added()})
        for (const Entry& e : *table) {
            screens_.emplace_back(e.create());
            if (e.persistent) Screens::add(screens_.back().get());
        }
}

ScreenSet::~ScreenSet() {
    for (auto it = screens_.rbegin(); it != screens_.rend(); ++it)
        Screens::remove(it->get());
}

QWidget* ScreenSet::first() const {
    return Screens::find(ScreenName::kPassword);
}

QStringList ScreenSet::order() const {
    QStringList names;
    for (const auto& s : screens_)
        names << s->objectName();
    return names;
}
