#include "AboutScreens.h"

#include "domain/Environment.h"
#include "domain/MakerInfo.h"
#include "screens/common/FormKit.h"
#include "screens/common/ScreenNames.h"

#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The product's name beside its picture, as the start menu shows it.
void productHeading(QWidget* screen, QVBoxLayout* body, const QString& pictureName) {
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    QLabel* logo = FormKit::label(screen, pictureName, {});
    logo->setPixmap(QIcon(QStringLiteral(":/tiles/calendario.svg")).pixmap(72, 72));
    row->addWidget(logo, 0, Qt::AlignTop);
    auto* titles = new QVBoxLayout;
    QLabel* name = FormKit::label(screen, QStringLiteral("lblProdotto"), QStringLiteral("Velmora"));
    name->setStyleSheet(QStringLiteral("font-size: 26pt; font-weight: bold; color: #1d3d6b;"));
    titles->addWidget(name);
    QLabel* subtitle =
        FormKit::label(screen, QStringLiteral("lblDescrizione"), HelpTexts::kProductLine);
    subtitle->setWordWrap(true);
    subtitle->setFixedWidth(420);
    subtitle->setStyleSheet(QStringLiteral("font-size: 11pt; color: #34495e;"));
    titles->addWidget(subtitle);
    row->addLayout(titles);
    body->addLayout(row);
}

QLabel* note(QWidget* screen, const QString& name, const QString& text) {
    QLabel* l = FormKit::label(screen, name, text);
    l->setWordWrap(true);
    return l;
}

} // namespace

TfrmInfo::TfrmInfo(QWidget* parent)
    : InfoScreen(ScreenName::kInfo, QStringLiteral(" Informazioni su Velmora"), parent) {
    productHeading(this, body(), QStringLiteral("imgLogo"));
    body()->addWidget(note(
        this, QStringLiteral("lblInformazioni"),
        QStringLiteral("Per ricevere informazioni sul software, segnalare un problema o proporre "
                       "un miglioramento, è sufficiente scrivere all'indirizzo di posta "
                       "elettronica indicato qui sotto.")));
    // Where this user's archives are, which depends on how the program was installed.
    QLabel* folder = note(this, QStringLiteral("lblCartella"),
                          QStringLiteral("Cartella dei dati: ") +
                              QDir::toNativeSeparators(QDir::cleanPath(ProgramFolder::path())));
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    body()->addWidget(folder);
    finish({MakerInfo::kMail, QStringLiteral("imgEmail"), QStringLiteral("mail-send"),
            [] { return mailCommand(); }});
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormKit::centreOnScreen(this);
}

QString TfrmInfo::mailCommand() {
    return u'"' + QStringLiteral("mailto:") + MakerInfo::kMail + QStringLiteral("?subject=") +
           QStringLiteral("Software Velmora") + QStringLiteral("&body=") +
           QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in "
                          "oggetto:") +
           u'"';
}

TfrmSplash::TfrmSplash(QWidget* parent)
    : InfoScreen(ScreenName::kSplash, QStringLiteral(" Velmora - ") + MakerInfo::kOwnerNotice,
                 parent) {
    // The artwork: the three applications' pictures under the product's name.
    productHeading(this, body(), QStringLiteral("imgProdotto"));
    auto* tiles = new QHBoxLayout;
    tiles->setSpacing(24);
    tiles->addStretch();
    for (const char* tile :
         {":/tiles/orari.svg", ":/tiles/calendario.svg", ":/tiles/anagrafica.svg"}) {
        auto* picture = new QLabel(this);
        picture->setPixmap(QIcon(QString::fromLatin1(tile)).pixmap(96, 96));
        tiles->addWidget(picture);
    }
    tiles->addStretch();
    body()->addLayout(tiles);
    QLabel* owner = note(this, QStringLiteral("lblProprieta"), MakerInfo::kOwnerNotice);
    owner->setAlignment(Qt::AlignHCenter);
    body()->addWidget(owner);
    finish({MakerInfo::kWebSite, QStringLiteral("imgWeb"), QStringLiteral("emblem-web"),
            [] { return MakerInfo::kWebSite; }});
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

// Centred on the start menu that opens it.
void TfrmSplash::showEvent(QShowEvent* event) {
    InfoScreen::showEvent(event);
    if (event->spontaneous() || !parentWidget()) return;
    const QRect over = parentWidget()->window()->frameGeometry();
    move(over.center() - rect().center());
}
