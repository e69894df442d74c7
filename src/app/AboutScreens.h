#pragma once
// The start menu's information screen (how to reach the maker by mail) and
// its about screen (the product, its owner and the maker's web site).

#include "screens/common/InfoScreens.h"

class TfrmInfo : public InfoScreen {
    Q_OBJECT
  public:
    explicit TfrmInfo(QWidget* parent = nullptr);
    // The text handed to the shell: a mail to the maker with its subject and
    // first line written, as they are, without percent-encoding.
    static QString mailCommand();
};

class TfrmSplash : public InfoScreen {
    Q_OBJECT
  public:
    explicit TfrmSplash(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
};
