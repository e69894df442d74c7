#include "TfrmExpIstruttori.h"

#include "screens/common/ScreenNames.h"

TfrmExpIstruttori::TfrmExpIstruttori(QWidget* opener, ExportSource source)
    : ExportScreen(opener, std::move(source), ScreenName::kExpIstruttori,
                   QStringLiteral(" Esporta archivio lavoratori in Microsoft Excel"),
                   HelpTopic::ExportWorkers) {}
