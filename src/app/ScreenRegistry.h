#pragma once
// Creates the program's screens at start-up, in the fixed order of the
// registry table, and registers the ones reached through that instance.

#include <QWidget>
#include <memory>
#include <vector>

class ScreenSet {
  public:
    // Creates every screen in registry order.
    ScreenSet();
    ~ScreenSet();
    // The screen shown first at start-up.
    QWidget* first() const;
    // Class names in the order they were created.
    QStringList order() const;

  private:
    std::vector<std::unique_ptr<QWidget>> screens_;
};
