#include "TfrmExpOrari.h"

#include "screens/common/ScreenNames.h"

TfrmExpOrari::TfrmExpOrari(QWidget* parent)
    : ExportScreen(parent, timetableExport(), ScreenName::kExpOrari,
                   QStringLiteral(" Esporta archivio orari di lavoro in Microsoft Excel"),
                   HelpTopic::ExportTimetables) {}
