#include "ShiftEditors.h"

#include "TfrmOre.h"
#include "domain/Bookings.h"
#include "screens/common/ArchiveAction.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"

#include <QLabel>

namespace ShiftEditors {

const EditorButton& hoursButton() {
    static const EditorButton button{
        "btnOre", "document-open-recent", "Ore",
        "Visualizza le ore di lavoro di ogni turnista nel periodo scelto."};
    return button;
}

void opensHours(RecordEditor* editor, const QString& tag) {
    opensScreen<TfrmOre>(editor, QStringLiteral("btnOre"), tag);
}

void reserveWarningLine(RecordEditor& editor) {
    auto* line = FormKit::child<QLabel>(&editor, QStringLiteral("lblAvviso"));
    QSizePolicy policy = line->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    line->setSizePolicy(policy);
    // A warning that names another table wraps on a narrow screen.
    const QMargins margins = line->contentsMargins();
    line->setFixedHeight(2 * line->fontMetrics().lineSpacing() + margins.top() + margins.bottom());
}

void warnOfDoubleBookings(RecordEditor& editor, qint64 number) {
    QString warning;
    guardArchive(&editor, std::nullopt, [&] {
        warning = bookings::doubleBookingWarning(
            bookings::readLedger(editor.archivePath(), editor.layout(), MissingArchive::ListNothing)
                .conflicts(),
            number);
    });
    editor.setWarningLine(warning);
}

} // namespace ShiftEditors
