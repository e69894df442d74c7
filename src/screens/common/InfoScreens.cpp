#include "InfoScreens.h"

#include "FormKit.h"
#include "OpenURL.h"
#include "Platform.h"
#include "ScreenNames.h"
#include "domain/Environment.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setColour(LinkColours::kIdle);
}

void LinkLabel::setColour(const QColor& colour) {
    colour_ = colour;
    // The focus frame is drawn by the style sheet too, so Tab shows where it is.
    setStyleSheet(
        QStringLiteral("QLabel { color: %1; padding: 2px; border: 2px solid transparent; }"
                       " QLabel:focus { border: 2px solid #ffb000; }")
            .arg(colour.name()));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setColour(LinkColours::kPressed);
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    setColour(LinkColours::kIdle);
    if (rect().contains(event->position().toPoint())) emit activated();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

InfoScreen::InfoScreen(const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    // A title bar without window buttons: the screen closes through Chiudi or Esc.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(FormKit::icon(QStringLiteral("help-about")));
    body_ = new QVBoxLayout(this);
    body_->setContentsMargins(20, 16, 20, 14);
    body_->setSpacing(12);
}

void InfoScreen::finish(const Link& link) {
    command_ = link.command;
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    QToolButton* picture = FormKit::pictureButton(this, link.pictureName, link.iconName, {}, 32);
    link_ = new LinkLabel(QStringLiteral("lnkWeb"), link.text, this);
    row->addWidget(picture);
    row->addWidget(link_);
    row->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("btnChiudi"));
    close->setAutoDefault(true);
    close->setMinimumWidth(100);
    row->addWidget(close);
    body_->addLayout(row);

    // Holding the mouse button on the picture colours the link as on the link.
    connect(picture, &QToolButton::pressed, this,
            [this] { link_->setColour(LinkColours::kPressed); });
    connect(picture, &QToolButton::released, this,
            [this] { link_->setColour(LinkColours::kIdle); });
    connect(picture, &QToolButton::clicked, this, [this] { lnkWebClick(); });
    connect(link_, &LinkLabel::activated, this, [this] { lnkWebClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->setFocus(Qt::OtherFocusReason);
}

void InfoScreen::lnkWebClick() {
    link_->setColour(LinkColours::kIdle);
    TMisc::Open(command_());
}

TfrmGuida::TfrmGuida(QWidget* parent)
    : InfoScreen(ScreenName::kGuida, QStringLiteral(" Guida all'utilizzo del software"), parent) {
    QLabel* title =
        FormKit::label(this, QStringLiteral("lblTitolo"), QStringLiteral("Argomento della guida."));
    QFont titleFont(QStringLiteral("Arial"), 16, QFont::Bold);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: crimson;"));
    title->setWordWrap(true);
    body()->addWidget(title);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("txtGuida"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setTabChangesFocus(true);
    // Arrow keys and Page Up/Down scroll the read-only text.
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    body()->addWidget(text, 1);

    finish({QStringLiteral("Visualizza guida in formato PDF"), QStringLiteral("imgPDF"),
            QStringLiteral("application-pdf"),
            [] { return u'"' + ProgramFolder::programPath() + kManualFileName + u'"'; }});
    setFixedSize(676, 598);
    FormKit::centreOnScreen(this);
    text->setFocus(Qt::OtherFocusReason);
}

void TfrmGuida::setTopic(const QString& title, const QString& text) {
    FormKit::child<QLabel>(this, QStringLiteral("lblTitolo"))->setText(title);
    // The text's paragraphs are separated by CR LF pairs; the box breaks
    // lines on LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    FormKit::child<QPlainTextEdit>(this, QStringLiteral("txtGuida"))->setPlainText(shown);
}

void showHelp(QWidget* parent, HelpTopic topic) {
    TfrmGuida help(parent);
    help.setTopic(HelpTexts::title(topic), HelpTexts::text(topic));
    showModal(help);
}
