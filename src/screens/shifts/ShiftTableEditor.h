#pragma once
// What the daily and the weekly shift editors share beyond every editor: the
// archive of the year chosen in the year chooser (its path in lblFile, the
// year in the caption), date boxes filled only by the date picker, a
// timetable template imported by name (impNome), the "Ore" button, which
// hands the hours list this editor's tables and year, and the warning line
// after a Salva that books a worker twice.

#include "domain/ArchiveKinds.h"
#include "screens/common/RecordEditor.h"

class ShiftTableEditor : public RecordEditor {
    Q_OBJECT
  public:
    // A date box with its import button and the routing tag under which the
    // date picker delivers into it.
    struct DateField {
        QString field;
        QString button;
        QString tag;
    };
    // What sets one shift editor apart from the other.
    struct Shift {
        ArchiveKindId kind;   // daily or weekly: its archive of the year, its help
        QString tag;          // of its search, its template picker and its attachments
        QStringList imported; // the fields a template brings
        std::vector<DateField> dates;
    };

    // Points the editor at the archive of `year`, as typed in the year
    // chooser (checked there): its path into lblFile, the year into the
    // caption.
    void openYear(const QString& year);
    // The path in lblFile.
    QString archivePath() const override;

  protected:
    // `setup` gets the caption, the help, the attachments' tag and the Ore
    // button of every shift editor.
    ShiftTableEditor(const TRecordLayout& layout, RecordEditor::Setup setup, Shift shift,
                     QWidget* parent);
    // In place of finishForm once the fields are built: the date boxes and
    // the template import with their hints, then the editor's own `hints`.
    void finishShiftForm(std::vector<std::pair<QString, QString>> hints);
    // After table `number` is saved: the first double booking it is part
    // of, within it or against another table of its days, on the warning
    // line, or an empty line. Reading the archive again may fail (it is then
    // left silent): the save itself is done.
    void afterSave(const TRecord& record, qint64 number) override;

  private:
    const Shift shift_;
    int year_ = 0; // as chosen; 0 before a year is opened
};
