#pragma once
// The screen every sheet is printed or previewed from: a small dialog that an
// editor creates for one use, over itself, showing a small picture of the
// page with its name. It holds its own copy of the sheet
// made from the design, so nothing of an earlier print survives. The action
// button fills the sheet from the editor's "txt<Field>" controls as they are
// on screen, saved or not, prints it or shows it in the preview window, and
// closes; "Annulla" closes without output. A concrete sheet screen is only its
// design, its output and its name.

#include "reports/Report.h"
#include "reports/Sheet.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

class SheetScreen : public QDialog {
    Q_OBJECT
  public:
    enum class Output { Print, Preview };
    struct Look {
        QString objectName;
        QString caption;
        QString actionText;
        QString picture; // freedesktop icon name
    };
    // The look every print (or preview) screen has, under its own name.
    static Look standardLook(Output output, const QString& objectName);

    // `editor` is the parent and the screen the fields are read from; a screen
    // made without one (the start-up instance) has nothing to print.
    SheetScreen(QWidget* editor, report::SheetDesign design, Output output, const Look& look);
    SheetScreen(QWidget* editor, report::SheetDesign design, Output output,
                const QString& objectName)
        : SheetScreen(editor, std::move(design), output, standardLook(output, objectName)) {}

    void btnStampaClick();
    void btnAnnullaClick() { reject(); }

    // The room the picture of the page has on the screen.
    static constexpr QSize kThumbnail{240, 170};

  private:
    // The picture of the page to print (imgStampa) with its name and paper
    // below; a screen without an editor shows the picture of its action.
    void showPage(const Look& look);

    QPointer<QWidget> editor_;
    report::SheetDesign design_;
    Output output_;
    report::Report sheet_;
};

// The text of the editor's control "txt<field>", an edit box or an editable
// drop-down. A field without its control is a programming error.
QString editorFieldText(const QWidget* editor, const QString& field);

// A small picture of a page, as large as fits `room`, with a grey edge.
QImage pageThumbnail(const report::PreparedPage& page, const QSize& room);
