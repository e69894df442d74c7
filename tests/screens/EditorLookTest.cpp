// How the editors look with the program's look applied (the Adwaita icon
// theme, as on a desktop without a theme of its own): the captions of the
// button bar on one line, pictures whose disabled form cannot be taken for
// the enabled one, slot boxes of one line's height on any screen, and slot
// rows that stay where they are when the warning line appears.
#include "ScreenFixture.h"
#include "app/Startup.h"
#include "screens/common/RecordEditor.h"

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QPainter>

#include <cmath>

namespace {

const char* const kEditors[] = {"TfrmTurni", "TfrmSettimanale", "TfrmOrari", "TfrmIstruttori"};
const char* const kSlotEditors[] = {"TfrmTurni", "TfrmSettimanale", "TfrmOrari"};
const char* const kShiftEditors[] = {"TfrmTurni", "TfrmSettimanale"};

class EditorLook : public ScreenTest {
  protected:
    QString theme;
    QStringList themePaths;

    void SetUp() override {
        theme = QIcon::themeName();
        themePaths = QIcon::themeSearchPaths();
        QIcon::setThemeName(QString()); // a desktop that names no theme
        Startup::applyLook(*qApp);
        // The pictures below come from the theme, as on the user's screen.
        ASSERT_FALSE(QIcon::fromTheme(QStringLiteral("document-save")).isNull());
        ScreenTest::SetUp();
    }
    void TearDown() override {
        ScreenTest::TearDown();
        QIcon::setThemeSearchPaths(themePaths);
        QIcon::setThemeName(theme);
        QApplication::setStyle(QStringLiteral("fusion"));
    }

    // The editor shown as a window of that size, laid out.
    RecordEditor* shown(const char* name, QSize size) const {
        auto* editor = qobject_cast<RecordEditor*>(screen(QString::fromLatin1(name)));
        editor->setWindowState(Qt::WindowNoState);
        editor->show();
        editor->resize(size);
        settle(editor);
        return editor;
    }
    static void settle(QWidget* editor) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        editor->layout()->activate();
    }
    static QRect placeOf(const QWidget* w) {
        return QRect(w->mapTo(w->window(), QPoint()), w->size());
    }
};

TEST_F(EditorLook, TheCaptionsOfTheButtonBarShareOneLine) {
    for (const char* name : kEditors) {
        SCOPED_TRACE(name);
        RecordEditor* editor = shown(name, {1366, 740});
        const auto buttons = control<QFrame>(name, "shpPulsanti")->findChildren<QToolButton*>();
        int captioned = 0;
        std::optional<QRect> first;
        for (const QToolButton* b : buttons) {
            if (b->text().isEmpty()) continue; // the arrows have no caption
            ++captioned;
            // The style puts the caption right under the picture as it is
            // drawn; every picture drawn at the button's full icon size, on
            // buttons of one top and one height, gives captions on one line.
            const QPixmap drawn = b->icon().pixmap(b->iconSize(), 1.0);
            EXPECT_EQ(drawn.deviceIndependentSize().height(), b->iconSize().height())
                << b->objectName().toStdString();
            const QRect place = placeOf(b);
            if (!first) first = place;
            EXPECT_EQ(place.top(), first->top()) << b->objectName().toStdString();
            EXPECT_EQ(place.height(), first->height()) << b->objectName().toStdString();
        }
        EXPECT_GE(captioned, 8);
        editor->hide();
    }
}

// The share of the picture's area that looks different when disabled: the
// pixels, both drawn over the window's colour, farther apart than 0.3 in
// red-green-blue (each from 0 to 1).
double shareThatChanges(const QIcon& icon, QSize size, const QColor& background) {
    auto over = [&](QIcon::Mode mode) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        const QPixmap pm = icon.pixmap(size, 1.0, mode);
        painter.drawPixmap(QRect(QPoint(), size), pm);
        return image;
    };
    const QImage normal = over(QIcon::Normal), disabled = over(QIcon::Disabled);
    int changed = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QColor a = normal.pixelColor(x, y), b = disabled.pixelColor(x, y);
            const double d =
                std::hypot(a.redF() - b.redF(), a.greenF() - b.greenF(), a.blueF() - b.blueF());
            if (d > 0.3) ++changed;
        }
    return double(changed) / (size.width() * size.height());
}

TEST_F(EditorLook, EveryPictureButtonLooksPlainlyOtherWhenDisabled) {
    // Pale grey drawings (the theme's paper clip and arrows) change in less
    // than 2 % of their area; a picture one can tell enabled changes in far
    // more.
    const QColor background = QApplication::palette().color(QPalette::Window);
    for (const char* name : kEditors) {
        for (const QToolButton* b :
             screen(QString::fromLatin1(name))->findChildren<QToolButton*>()) {
            if (b->icon().isNull()) continue;
            EXPECT_GE(shareThatChanges(b->icon(), b->iconSize(), background), 0.06)
                << name << " " << b->objectName().toStdString();
        }
    }
}

TEST_F(EditorLook, SlotBoxesKeepOneLinesHeightAndTallScreensSpreadTheRows) {
    for (const char* name : kSlotEditors) {
        SCOPED_TRACE(name);
        std::vector<int> pitches;
        for (const QSize size : {QSize(1366, 740), QSize(1920, 1050)}) {
            RecordEditor* editor = shown(name, size);
            const QLineEdit* first = control(name, "txtInizio01");
            const QLineEdit* second = control(name, "txtInizio02");
            for (int slot = 1; slot <= kSlots; ++slot) {
                const QLineEdit* box = control(name, "txtInizio" + slotSuffix(slot));
                EXPECT_EQ(box->height(), box->sizeHint().height()) << size.height() << " " << slot;
            }
            pitches.push_back(placeOf(second).top() - placeOf(first).top());
            // The rows stay inside their panel.
            const QRect panel = placeOf(control<QFrame>(name, "shpSez02"));
            EXPECT_TRUE(panel.contains(placeOf(control(name, "txtInizio12"))));
            editor->hide();
        }
        EXPECT_GT(pitches[1], pitches[0]);
    }
}

TEST_F(EditorLook, TheSlotRowsStayPutWhenTheWarningLineAppears) {
    const QString warnings[] = {
        QStringLiteral("Attenzione: Rossi Mario è in due turni sovrapposti di questa tabella il "
                       "04/03/2024: dalle 08:00 alle 13:00 e dalle 10:00 alle 12:00."),
        // Long enough to wrap on a narrow screen.
        QStringLiteral("Attenzione: Esposito Maria Chiara è in turno il 04/03/2024 dalle 08:00 "
                       "alle 13:00 in questa tabella e dalle 10:00 alle 12:00 del 05/03/2024 "
                       "nella tabella \"Turno ordinario della sede di via Garibaldi\" (scheda "
                       "n. 1234). Altre sovrapposizioni: 3."),
    };
    for (const char* name : kShiftEditors) {
        for (const QSize size : {QSize(1366, 740), QSize(1920, 1050)}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(size.width()));
            RecordEditor* editor = shown(name, size);
            const QRect grid = placeOf(control<QFrame>(name, "shpSez02"));
            const QRect lastRow = placeOf(control(name, "txtInizio12"));
            for (const QString& warning : warnings) {
                editor->setWarningLine(warning);
                settle(editor);
                EXPECT_TRUE(control<QLabel>(name, "lblAvviso")->isVisible());
                EXPECT_EQ(placeOf(control<QFrame>(name, "shpSez02")), grid);
                EXPECT_EQ(placeOf(control(name, "txtInizio12")), lastRow);
            }
            editor->setWarningLine({});
            settle(editor);
            EXPECT_EQ(placeOf(control<QFrame>(name, "shpSez02")), grid);
            editor->hide();
        }
    }
}

} // namespace
