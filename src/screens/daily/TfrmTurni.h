#pragma once
// The daily shift editor: one shift table per day of the year whose archive
// the year chooser wrote into lblFile.

#include "screens/common/RecordEditor.h"

class QLineEdit;

class TfrmTurni : public RecordEditor {
    Q_OBJECT
  public:
    explicit TfrmTurni(QWidget* parent = nullptr);

    QString archivePath() const override;
    // Opens the date picker for txtData; true when a date was picked.
    bool impDataClick();

  protected:
    // A saved table that books a worker twice gets the warning line.
    void afterSave(const TRecord& record, qint64 number) override;
};
