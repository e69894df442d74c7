#pragma once
// The look the two password screens share: a fixed-size window with a title
// and no buttons on its bar, the padlock on the left, the screen's own
// fields beside it and its command buttons below.

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

struct PasswordLayout {
    QVBoxLayout* page; // the body row is in it; the buttons row goes below
    QHBoxLayout* body; // the padlock is in it; the fields go beside
};

PasswordLayout passwordWindow(QWidget* screen, const QString& caption);
// The bold heading over the fields (lblTitolo).
QLabel* passwordTitle(QWidget* screen, const QString& text);
// A push button of the password screens.
QPushButton* commandButton(QWidget* parent, const QString& name, const QString& text);
