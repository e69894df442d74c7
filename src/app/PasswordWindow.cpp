#include "PasswordWindow.h"

#include "screens/common/FormKit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

PasswordLayout passwordWindow(QWidget* screen, const QString& caption) {
    screen->setWindowTitle(caption);
    screen->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    screen->setWindowIcon(FormKit::icon(QStringLiteral("dialog-password")));

    auto* page = new QVBoxLayout(screen);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->setContentsMargins(20, 18, 20, 16);
    page->setSpacing(14);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    QLabel* picture = FormKit::label(screen, QStringLiteral("imgLucchetto"), {});
    picture->setPixmap(FormKit::icon(QStringLiteral("dialog-password")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    body->addWidget(picture);
    return {page, body};
}

QLabel* passwordTitle(QWidget* screen, const QString& text) {
    QLabel* title = FormKit::label(screen, QStringLiteral("lblTitolo"), text);
    title->setStyleSheet(QStringLiteral("font-size: 15pt; font-weight: bold; color: #1d3d6b;"));
    return title;
}

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    // Enter in the password boxes is handled by the boxes themselves.
    b->setAutoDefault(true);
    b->setMinimumWidth(std::max(90, b->sizeHint().width() + 20));
    return b;
}

void centreOnScreen(QWidget* screen) {
    QScreen* display = QGuiApplication::primaryScreen();
    if (!display) return;
    screen->adjustSize();
    QRect frame = screen->frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    screen->move(frame.topLeft());
}
