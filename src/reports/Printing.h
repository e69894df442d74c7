#pragma once
// The seam between prepared pages and the outside: the system's print dialog
// and printer, and the preview window. Tests install a recording
// implementation and look at the pages instead of paper.

#include "Report.h"

#include <QDialog>

#include <functional>

#include <memory>
#include <vector>

class QPrintPreviewWidget;
class QPrinter;

namespace report {

class Printing {
  public:
    virtual ~Printing() = default;
    // Asks the user for a printer (or a file) and prints every page; a
    // cancelled dialog prints nothing.
    virtual void print(const PreparedReport& report, QWidget* parent) = 0;
    // Shows the pages in the preview window, modal over `parent`, and
    // returns when the user closes it.
    virtual void preview(const PreparedReport& report, QWidget* parent) = 0;

    static Printing& current();
    // Installs a replacement (tests); nullptr restores the system's.
    static void install(std::unique_ptr<Printing> printing);
};

// The engine's two outputs of a prepared report, through the seam.
void print(const Report& report, QWidget* parent);
void showPreview(const Report& report, QWidget* parent);

// Keeps what it was asked to print and preview.
class RecordingPrinting : public Printing {
  public:
    std::vector<PreparedReport> printed;
    std::vector<PreparedReport> previewed;
    void print(const PreparedReport& report, QWidget*) override { printed.push_back(report); }
    void preview(const PreparedReport& report, QWidget*) override { previewed.push_back(report); }
};

inline const QString kPrintFailure = QStringLiteral(
    "Attenzione: la stampa non è stata eseguita.\n\r\n\rVerificare che la stampante sia "
    "pronta e riprovare.");
inline const QString kFileFailure = QStringLiteral(
    "Attenzione: non è stato possibile scrivere il file \"%1\".\n\r\n\rVerificare lo "
    "spazio libero sul disco e i privilegi di scrittura nella cartella.");

// Prints every page on a printer the user has chosen; a printer set to
// write a PDF file writes it through the atomic save. Returns the message to
// show when the pages did not reach the printer or the file, else empty.
QString printOn(const PreparedReport& report, QPrinter& printer);

// Who tells the user that a print failed (the screens route it to their
// message boxes); by default a plain error box.
void setPrintFailureHandler(std::function<void(QWidget* parent, const QString& text)> handler);

// Sets a printer to the report's paper and orientation, painting from the
// paper's corner.
void setUpPrinter(QPrinter& printer, const PreparedReport& report);

// The zoom at which the preview shows a page, given the zooms at which the
// whole page (`wholePage`) and its width (`fullWidth`) just fit the view
// (1 is life size): the whole page where that is life size or larger;
// otherwise life size, or the full width when that is narrower.
double readableZoom(double wholePage, double fullWidth);

// The preview window: the pages, and only the buttons to print, zoom, go
// full screen and close. It opens maximised within the screen's usable
// area, with the first page at its readable zoom until the user zooms.
class PreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PreviewWindow(const PreparedReport& report, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    QPrintPreviewWidget* pages() const { return view_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void toggleFullScreen();
    void showReadable();
    template <class Zoom> void zoomBy(Zoom zoom) {
        zoomChosen_ = true;
        zoom();
    }

    PreparedReport report_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* view_ = nullptr;
    bool zoomChosen_ = false;
};

} // namespace report
