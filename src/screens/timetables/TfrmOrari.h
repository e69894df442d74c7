#pragma once
// The timetable editor: reusable templates of twelve time slots with their
// activities, kept in Orari.pro, which the shift editors import.

#include "screens/common/RecordEditor.h"

class TfrmOrari : public RecordEditor {
    Q_OBJECT
  public:
    explicit TfrmOrari(QWidget* parent = nullptr);

    QString archivePath() const override;
};
