#pragma once
// The start menu: the three applications as tiles, help, information, the
// maker's site and exit. Closing it ends the program.

#include <QWidget>

class TfrmAvvio : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

    void imgInfoClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick() { close(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
};
