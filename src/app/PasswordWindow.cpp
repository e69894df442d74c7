#include "PasswordWindow.h"

#include "screens/common/FormKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

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
    return FormKit::pushButton(parent, name, text, {}, 90);
}
