// How the editors look with the program's look applied (the Adwaita icon
// theme, as on a desktop without a theme of its own): the captions of the
// button bar on one line, and pictures whose disabled form cannot be taken
// for the enabled one.
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

} // namespace
