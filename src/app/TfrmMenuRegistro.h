#pragma once
// The year chooser of the shift calendar: points the daily or the weekly
// editor at the archive of one calendar year.

#include <QWidget>

class QLabel;
class QLineEdit;

class TfrmMenuRegistro : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmMenuRegistro(QWidget* parent = nullptr);

    void btnApriFattureClick();
    void btnApriAnnoSetClick();
    void imgEsciClick() { close(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Checks the year and points the shift editor `editor` at its archive
    // of that year.
    void openYear(QLineEdit* year, const QString& editor, const QString& tag);

    QLineEdit* txtAnnoFatture_;
    QLineEdit* txtAnnoSet_;
    QLabel* lblMemory_;
};
