#pragma once
// "Trova" in a result list: jump to the next line holding a keyword. A new
// keyword searches from the top; pressing again with the same keyword moves
// on from the selected line, wrapping from the last line to the first.

#include <QStringList>

#include <optional>

class KeywordFinder {
  public:
    // The index of the line to select, or nullopt when no line holds the
    // keyword (the selection then stays). `selected` outside the list means
    // no line is selected: the first one is taken. The keyword and the lines
    // ignore case for A to Z only; an empty keyword never matches. The
    // keyword is remembered, found or not, except on an empty list.
    std::optional<qsizetype> next(const QStringList& lines, qsizetype selected, QStringView typed);
    // A freshly shown list forgets the last keyword.
    void forget() { remembered_.clear(); }

  private:
    QString remembered_;
};
