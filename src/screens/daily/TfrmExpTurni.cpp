#include "TfrmExpTurni.h"

#include "screens/common/ScreenNames.h"

TfrmExpTurni::TfrmExpTurni(QWidget* parent)
    : ExportScreen(parent, dailyExport(), ScreenName::kExpTurni,
                   QStringLiteral(" Esporta archivio turni di lavoro in Microsoft Excel"),
                   HelpTopic::ExportDaily) {}
