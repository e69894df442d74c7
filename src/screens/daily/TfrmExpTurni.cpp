#include "TfrmExpTurni.h"

#include "screens/common/ScreenNames.h"

TfrmExpTurni::TfrmExpTurni(QWidget* opener, ExportSource source)
    : ExportScreen(opener, std::move(source), ScreenName::kExpTurni,
                   QStringLiteral(" Esporta archivio turni di lavoro in Microsoft Excel"),
                   HelpTopic::ExportDaily) {}
