#pragma once
// The weekly shift editor: one table a week, twelve slots by seven days, in
// the archive of the year the year chooser wrote into lblFile.

#include "screens/common/RecordEditor.h"

class TfrmSettimanale : public RecordEditor {
    Q_OBJECT
  public:
    explicit TfrmSettimanale(QWidget* parent = nullptr);

    QString archivePath() const override;

  protected:
    // A saved table that books a worker twice gets the warning line.
    void afterSave(const TRecord& record, qint64 number) override;
};
