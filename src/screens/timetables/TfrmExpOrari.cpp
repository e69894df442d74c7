#include "TfrmExpOrari.h"

#include "screens/common/ScreenNames.h"

TfrmExpOrari::TfrmExpOrari(QWidget* opener, ExportSource source)
    : ExportScreen(opener, std::move(source), ScreenName::kExpOrari,
                   QStringLiteral(" Esporta archivio orari di lavoro in Microsoft Excel"),
                   HelpTopic::ExportTimetables) {}
