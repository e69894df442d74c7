#pragma once
// The hours of every worker over a period, from the shift tables of the
// year open in the daily editor (routing tag "turni") or in the weekly one
// ("settimanale"): a list on the search base, one line a worker with the
// hours of the slots that start within the period, listed as soon as the
// screen shows (the whole year) and again whenever a date of the period is
// picked. Slots whose times cannot be read are counted under the list.

#include "screens/common/SearchScreen.h"

class TfrmOre : public SearchScreen {
    Q_OBJECT
  public:
    explicit TfrmOre(QWidget* parent = nullptr);
};
