#pragma once
// The result list of the search and list screens: one line a record in a
// fixed-pitch font, so the padded columns line up, scrolled sideways for
// long notes, and filled in one batch so that a year of records shows at
// once; and the panel around it that every such screen shows.

#include "domain/KeywordFind.h"

#include <QFrame>
#include <QListWidget>
#include <QStringList>

#include <functional>

class QDialog;
class QLayout;
class QLineEdit;
class QVBoxLayout;

namespace ResultList {

QListWidget* create(QWidget* parent, const QString& name);
// Replaces the lines of a list made by create().
void fill(QListWidget* list, const QStringList& lines);
QStringList lines(const QListWidget* list);

// The width of the push buttons of these screens.
inline constexpr int kButtonWidth = 110;
// Sizes a list screen to most of the screen, so a line shows up to its
// notes, but not to a wide screen's whole width.
void fitScreen(QDialog* screen);

} // namespace ResultList

// The result panel panContainer: the instructions, the list lstRecords, the
// keyword box txtTrova with its button btnTrova ("Trova" jumps to the next
// line holding the keyword), and the buttons btnStampa and btnChiudi (which
// closes the screen). The screen wires Stampa and adds rows of its own
// above and below the list.
class ResultPanel : public QFrame {
  public:
    // `callBack` runs on a double click or Enter on a line. Without one the
    // lines stand for no record: Enter on a line does nothing and lblRigo03,
    // which tells how to call a record back, is hidden.
    ResultPanel(QDialog* screen, std::function<void()> callBack);

    QListWidget* list() const { return list_; }
    void addAbove(QLayout* row);
    void addBelow(QWidget* line);

    // Replaces the lines; the first is chosen already, so Enter calls it
    // back; the keyword box is emptied and takes the focus.
    void showLines(const QStringList& lines);
    // As the screen shows: the keyword forgotten, txtTrova empty, the first
    // line chosen.
    void reset();
    // Trova: selects the next line holding the keyword of txtTrova.
    void findNext();
    // Prints the lines under `title`, with `after` below them.
    void print(const QString& title, const QStringList& after = {}) const;

  private:
    QDialog* screen_;
    QListWidget* list_;
    QLineEdit* txtTrova_;
    QVBoxLayout* above_;
    QVBoxLayout* below_;
    KeywordFinder finder_;
};

namespace SearchTexts {
inline const QString kEmptyList =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
} // namespace SearchTexts
