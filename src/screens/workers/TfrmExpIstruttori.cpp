#include "TfrmExpIstruttori.h"

#include "screens/common/ScreenNames.h"

TfrmExpIstruttori::TfrmExpIstruttori(QWidget* parent)
    : ExportScreen(parent, workerExport(), ScreenName::kExpIstruttori,
                   QStringLiteral(" Esporta archivio lavoratori in Microsoft Excel"),
                   HelpTopic::ExportWorkers) {}
