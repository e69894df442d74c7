#pragma once
// The hours of every worker over a period, from the shift tables that the
// shift editor opening the screen hands it with its year: one line a worker
// with the hours of the slots that start within the period, on the shared
// result panel, listed as soon as the screen shows (the whole year) and
// again whenever a date of the period is picked or emptied. Slots whose
// times cannot be read are counted under the list. The lines stand for no
// record: nothing is called back.

#include "archive/RecordLayout.h"

#include <QDate>
#include <QDialog>

#include <utility>

class QLabel;
class QLayout;
class QLineEdit;
class ResultPanel;

class TfrmOre : public QDialog {
    Q_OBJECT
  public:
    // What the opener hands down.
    struct Tables {
        int year = 0; // the period the list opens on; outside 1 to 9999, this year
        QString archive;
        const TRecordLayout* layout = &TRecordLayout::daily();
    };
    TfrmOre(QWidget* parent, Tables tables);
    // The copy made at start-up, which is never shown.
    explicit TfrmOre(QWidget* parent = nullptr);

    // Prints the list, its title naming the period, the note under it.
    void btnStampaClick();
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The two date boxes txtDal and txtAl with their pickers.
    QLayout* buildPeriodRow();
    // The period in the date boxes; an empty box leaves that side open.
    std::pair<QDate, QDate> period() const;
    void listPeriod();

    const Tables tables_;
    ResultPanel* results_;
    QLineEdit* txtDal_ = nullptr;
    QLineEdit* txtAl_ = nullptr;
    QLabel* lblNota_;
    bool settingPeriod_ = false;
};
