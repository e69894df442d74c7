#include "Printing.h"

#include "Render.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace report {

namespace {

std::function<void(QWidget*, const QString&)>& failureHandler() {
    static std::function<void(QWidget*, const QString&)> handler = [](QWidget* parent,
                                                                      const QString& text) {
        QMessageBox::critical(parent, QStringLiteral("Errore"), text);
    };
    return handler;
}

// Prints on the printer the user picks; "print to file" gives a PDF.
void printWithDialog(const PreparedReport& report, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, report);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted) return;
    const QString failure = printOn(report, printer);
    if (!failure.isEmpty()) failureHandler()(parent, failure);
}

class SystemPrinting : public Printing {
  public:
    void print(const PreparedReport& report, QWidget* parent) override {
        printWithDialog(report, parent);
    }
    void preview(const PreparedReport& report, QWidget* parent) override {
        PreviewWindow window(report, parent);
        window.exec();
    }
};

std::unique_ptr<Printing>& slot() {
    static std::unique_ptr<Printing> printing = std::make_unique<SystemPrinting>();
    return printing;
}

} // namespace

Printing& Printing::current() {
    return *slot();
}

void Printing::install(std::unique_ptr<Printing> printing) {
    slot() = printing ? std::move(printing) : std::make_unique<SystemPrinting>();
}

void print(const Report& report, QWidget* parent) {
    Printing::current().print(report.prepared(), parent);
}

void showPreview(const Report& report, QWidget* parent) {
    Printing::current().preview(report.prepared(), parent);
}

QString printOn(const PreparedReport& report, QPrinter& printer) {
    // The dialog may have offered other paper; the sheets are A4 as designed.
    setUpPrinter(printer, report);
    // A sheet printed to a file is written whole or not at all, like every
    // other file of the program.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        if (writePdf(report, printer.outputFileName())) return {};
        return kFileFailure.arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    return paintReport(report, printer) ? QString() : kPrintFailure;
}

void setPrintFailureHandler(std::function<void(QWidget*, const QString&)> handler) {
    if (handler) failureHandler() = std::move(handler);
}

void setUpPrinter(QPrinter& printer, const PreparedReport& report) {
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(report));
}

PreviewWindow::PreviewWindow(const PreparedReport& report, QWidget* parent)
    : QDialog(parent), report_(report), printer_(std::make_unique<QPrinter>()) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setModal(true);
    setUpPrinter(*printer_, report_);

    view_ = new QPrintPreviewWidget(printer_.get(), this);
    view_->setObjectName(QStringLiteral("pages"));
    connect(view_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { paintReport(report_, *printer); });

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tools"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    struct Button {
        const char* name;
        const char* icon;
        const char* text;
        std::function<void()> run;
    };
    const Button buttons[] = {
        {"actStampa", "document-print", "Stampa", [this] { printWithDialog(report_, this); }},
        {"actZoomPiu", "zoom-in", "Ingrandisci", [this] { zoomBy([this] { view_->zoomIn(); }); }},
        {"actZoomMeno", "zoom-out", "Riduci", [this] { zoomBy([this] { view_->zoomOut(); }); }},
        {"actAdatta", "zoom-fit-best", "Pagina intera",
         [this] { zoomBy([this] { view_->fitInView(); }); }},
        {"actSchermo", "view-fullscreen", "Schermo intero", [this] { toggleFullScreen(); }},
        {"actChiudi", "window-close", "Chiudi", [this] { reject(); }},
    };
    for (const Button& b : buttons) {
        QAction* a = bar->addAction(QIcon::fromTheme(QString::fromLatin1(b.icon)),
                                    QString::fromUtf8(b.text));
        a->setObjectName(QString::fromLatin1(b.name));
        connect(a, &QAction::triggered, this, b.run);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(view_, 1);
    // Maximised over the screen's usable area (the geometry also holds where
    // no window manager maximises it); the page is shown at a size one can
    // read once the window has its size.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::toggleFullScreen() {
    if (isFullScreen())
        showMaximized();
    else
        showFullScreen();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!zoomChosen_) showReadable();
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!zoomChosen_) showReadable();
}

void PreviewWindow::showReadable() {
    if (!isVisible()) return;
    layout()->activate();
    // The view's own measures, margins and scroll bars included.
    view_->fitInView();
    const double wholePage = view_->zoomFactor();
    view_->fitToWidth();
    const double fullWidth = view_->zoomFactor();
    view_->setZoomFactor(readableZoom(wholePage, fullWidth));
    // Zooming keeps the middle of the view where it was; a page one reads
    // starts at its top.
    if (auto* area = view_->findChild<QAbstractScrollArea*>()) {
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
    }
}

double readableZoom(double wholePage, double fullWidth) {
    // A screen with room for the whole page at life size or larger shows it
    // whole; otherwise the page is shown at life size, and narrower only
    // when the window is narrower than the paper.
    if (wholePage >= 1.0) return wholePage;
    return std::min(1.0, fullWidth);
}

} // namespace report
