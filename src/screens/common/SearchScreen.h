#pragma once
// The search screen every archive has. Its filter panel takes partial texts
// for some record fields; "Cerca" lists every record they all occur in, one
// line a record in list order; "Trova" jumps inside the list by a keyword;
// "Stampa" prints the list; a double click (or Enter on a line) hands the
// records behind the line to the screen that opened this one, through the
// receiver registered for the routing tag in lblMemory. A concrete search
// screen is its table: names, the search it runs, archive and list title.
// A list that needs no filters (the contracts due for renewal) is the same
// screen without the filter panel: its lines come from its own source each
// time it is shown.

#include "domain/ArchiveSearch.h"
#include "domain/KeywordFind.h"
#include "domain/SearchTables.h"

#include <QDate>
#include <QDialog>

#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

class SearchScreen : public QDialog {
    Q_OBJECT
  public:
    // What a list over a period shows: its lines, and a note under them.
    struct PeriodList {
        std::vector<FoundLine> lines;
        QString note;
    };

    struct Setup {
        QString name; // the screen's name (ScreenName)
        QString caption;
        // The record fields of the filter boxes, the line format and the
        // record layout, which the command line searches with too. Each
        // field has a box txt<field> under its caption (FieldCaptions.h)
        // and a highlight eff<field>.
        const SearchTable& search;
        QString listTitle;        // the title of the printed list
        QString (*archivePath)(); // asked at each search and double click
        int filterColumns = 1;    // the filter boxes, left to right on each row
        // Set for a list without filters: no filter panel, and the list is
        // built from this whenever the screen is shown. Throws ArchiveError.
        std::vector<FoundLine> (*listOnShow)() = nullptr;
        bool countsLines = true; // lblTrovate under the list
        // Set for a list over a period (the hours of each worker): the date
        // boxes txtDal and txtAl above the list, filled by the date picker
        // and opened on `openingPeriod`, hold its first and last day (an
        // empty box leaves that side open); the list is built from
        // `listForPeriod` when the screen shows and whenever the period
        // changes. Both are given the routing tag the screen was opened
        // with. listForPeriod throws ArchiveError.
        PeriodList (*listForPeriod)(const QString& tag, const QDate& from,
                                    const QDate& to) = nullptr;
        std::pair<QDate, QDate> (*openingPeriod)(const QString& tag) = nullptr;
        // False for lines that stand for no record: Enter and a double click
        // on a line do nothing.
        bool picks = true;
    };

    // Searches the archive with the filters and shows the result panel.
    void btnCercaClick();
    // Selects the next line holding the keyword of txtTrova.
    void btnTrovaClick();
    // Prints the list with its title.
    void btnStampaClick();
    // Hands every record whose line is the selected one to the receiver of
    // the routing tag, in archive order, then closes the screen.
    void lstRecordsDblClick();

    void done(int result) override;

  protected:
    SearchScreen(const Setup& setup, QWidget* parent);
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildFilterPanel();
    void showLines(const std::vector<FoundLine>& found);
    QWidget* buildResultPanel();
    // The row of the two date boxes of a list over a period.
    QLayout* buildPeriodRow(QWidget* panel);
    // The period in the date boxes; an empty or unreadable box gives an
    // invalid date.
    std::pair<QDate, QDate> period() const;
    // Lists the period in the date boxes.
    void listPeriod();

    const Setup setup_;
    std::vector<QLineEdit*> boxes_;
    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QListWidget* lstRecords_ = nullptr;
    QLineEdit* txtTrova_ = nullptr;
    QLabel* lblTrovate_ = nullptr;
    QLabel* lblAttendere_ = nullptr;
    QLabel* lblConta_ = nullptr;
    QLabel* lblMemory_ = nullptr;
    QLineEdit* txtDal_ = nullptr;
    QLineEdit* txtAl_ = nullptr;
    QLabel* lblNota_ = nullptr;
    bool settingPeriod_ = false;
    KeywordFinder finder_;
};

namespace SearchTexts {
inline const QString kEmptyList =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
// "Il presente riepilogo contiene N schede."
QString found(qsizetype count);
} // namespace SearchTexts
