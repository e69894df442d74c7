#include "ShiftTableEditor.h"

#include "TfrmOre.h"
#include "archive/Text.h"
#include "domain/ArchiveKinds.h"
#include "domain/BookingTexts.h"
#include "domain/Bookings.h"
#include "screens/common/ArchiveAction.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"
#include "screens/timetables/TfrmTrovaOrari.h"

#include <QLabel>

namespace {

const QString kCaption = QStringLiteral(" Velmora - Programmazione turni");

RecordEditor::Setup withShiftParts(RecordEditor::Setup setup,
                                   const ShiftTableEditor::Shift& shift) {
    setup.caption = kCaption;
    setup.help = archiveKind(shift.kind).help;
    setup.attachmentTag = shift.tag;
    // btnOre, among the editor's own buttons (Alt+O).
    setup.extra.push_back({"btnOre", "document-open-recent", "Ore",
                           "Visualizza le ore di lavoro di ogni turnista nel periodo scelto."});
    return setup;
}

// Keeps the room of the warning line under the fields while it is empty
// (two lines of it), so the slot rows never move when a warning comes or
// goes.
void reserveWarningLine(QLabel* line) {
    QSizePolicy policy = line->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    line->setSizePolicy(policy);
    // A warning that names another table wraps on a narrow screen.
    const QMargins margins = line->contentsMargins();
    line->setFixedHeight(2 * line->fontMetrics().lineSpacing() + margins.top() + margins.bottom());
}

} // namespace

ShiftTableEditor::ShiftTableEditor(const TRecordLayout& layout, RecordEditor::Setup setup,
                                   Shift shift, QWidget* parent)
    : RecordEditor(layout, withShiftParts(std::move(setup), shift), parent),
      shift_(std::move(shift)) {
    FormKit::hiddenLabel(this, QStringLiteral("lblFile"));
    FormKit::onClick(this, QStringLiteral("btnOre"), [this] {
        TfrmOre hours(this, {year_, archivePath(), &this->layout()});
        showModal(hours);
    });
    reserveWarningLine(FormKit::child<QLabel>(this, QStringLiteral("lblAvviso")));
}

void ShiftTableEditor::finishShiftForm(std::vector<std::pair<QString, QString>> hints) {
    hints.emplace_back("impNome", "Importa un turno predefinito dall'archivio degli orari.");
    for (const DateField& d : shift_.dates) {
        builder().dateBox(d.field, d.button, datePicker(this, d.tag));
        hints.emplace_back(d.button, "Importa una data dal calendario.");
        hints.emplace_back("txt" + d.field,
                           "Premi un tasto qualsiasi per importare una data dal calendario.");
    }
    finishForm(hints);

    for (const DateField& d : shift_.dates)
        Routes::addDateBox(d.tag, FormKit::child<QLineEdit>(this, "txt" + d.field));
    // A template chosen in the timetable picker overwrites the fields it
    // brings and leaves the rest (dates, workers, attachments, number).
    Routes::addRecordReceiver(
        ScreenName::kTrovaOrari, shift_.tag, this,
        [this](const TRecord& r, qint64) { importFields(r, shift_.imported); });
    opensScreen<TfrmTrovaOrari>(this, QStringLiteral("impNome"), shift_.tag);
}

void ShiftTableEditor::openYear(const QString& year) {
    const QString trimmed = vtext::trimmed(year);
    FormKit::child<QLabel>(this, QStringLiteral("lblFile"))
        ->setText(::archivePath(shift_.kind, year));
    setWindowTitle(kCaption + QStringLiteral(" anno ") + trimmed);
    year_ = trimmed.toInt();
}

QString ShiftTableEditor::archivePath() const {
    return vtext::trimmed(FormKit::child<QLabel>(this, QStringLiteral("lblFile"))->text());
}

void ShiftTableEditor::afterSave(const TRecord&, qint64 number) {
    QString warning;
    guardArchive(this, std::nullopt, [&] {
        warning = bookings::doubleBookingWarning(
            bookings::readLedger(archivePath(), layout(), MissingArchive::ListNothing).conflicts(),
            number);
    });
    setWarningLine(warning);
}
