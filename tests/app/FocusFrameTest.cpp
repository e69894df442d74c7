// The look the program applies at start-up frames the push button that holds
// the focus so that one can see it, on every screen, after a Tab or not.
#include "app/Startup.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Pixels of two pictures of one button farther apart than 0.3 in
// red-green-blue (each from 0 to 1).
int changedPixels(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::hypot(p.redF() - q.redF(), p.greenF() - q.greenF(), p.blueF() - q.blueF()) >
                0.3)
                ++changed;
        }
    return changed;
}

class FocusFrame : public ::testing::Test {
  protected:
    QString theme = QIcon::themeName();
    QStringList themePaths = QIcon::themeSearchPaths();

    void SetUp() override { Startup::applyLook(*qApp); }
    void TearDown() override {
        QIcon::setThemeSearchPaths(themePaths);
        QIcon::setThemeName(theme);
        QApplication::setStyle(QStringLiteral("fusion"));
    }
};

TEST_F(FocusFrame, AFocusedPushButtonIsRingedWhetherTheFocusCameByTabOrNot) {
    QDialog dialog;
    auto* row = new QHBoxLayout(&dialog);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), &dialog);
    auto* stampa = new QPushButton(QStringLiteral("Stampa"), &dialog);
    row->addWidget(annulla);
    row->addWidget(stampa);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    stampa->setFocus(Qt::OtherFocusReason); // as a screen puts it there
    const QImage plain = annulla->grab().toImage();
    const QImage byProgram = stampa->grab().toImage();
    QTest::keyClick(&dialog, Qt::Key_Backtab); // the user moves it
    ASSERT_TRUE(annulla->hasFocus());
    const QImage byTab = annulla->grab().toImage();
    const QImage left = stampa->grab().toImage();

    // A ring all round, two pixels wide, stands out: at least about one
    // pixel in four of the button's edge, twice over.
    const int edge = 2 * (annulla->width() + annulla->height());
    EXPECT_GE(changedPixels(plain, byTab), edge * 3 / 2);
    EXPECT_GE(changedPixels(left, byProgram), edge * 3 / 2);
}

} // namespace
