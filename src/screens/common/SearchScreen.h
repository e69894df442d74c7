#pragma once
// The search screen every archive has. Its filter panel takes partial texts
// for some record fields; "Cerca" lists every record they all occur in, one
// line a record in list order; "Trova" jumps inside the list by a keyword;
// "Stampa" prints the list; a double click (or Enter on a line) hands the
// records behind the line to the screen that opened this one, through the
// receiver registered for the routing tag in lblMemory. A concrete search
// screen is its table: names, the search it runs, archive and list title.
// A list that needs no filters (the contracts due for renewal) is the same
// screen without the filter panel and without a count of its lines: its
// lines come from its own source each time it is shown.

#include "ResultList.h"
#include "domain/ArchiveSearch.h"
#include "domain/SearchTables.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;

class SearchScreen : public QDialog {
    Q_OBJECT
  public:
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
        // Set for a list without filters: the list is built from this
        // whenever the screen is shown. Throws ArchiveError.
        std::vector<FoundLine> (*listOnShow)() = nullptr;
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

    const Setup setup_;
    std::vector<QLineEdit*> boxes_;
    QWidget* panAvvio_ = nullptr;
    ResultPanel* results_ = nullptr;
    QLabel* lblTrovate_ = nullptr;
    QLabel* lblAttendere_ = nullptr;
    QLabel* lblConta_ = nullptr;
    QLabel* lblMemory_ = nullptr;
};

namespace SearchTexts {
// "Il presente riepilogo contiene N schede."
QString found(qsizetype count);
} // namespace SearchTexts
