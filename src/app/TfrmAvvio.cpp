#include "TfrmAvvio.h"

#include "AboutScreens.h"
#include "domain/HelpTexts.h"
#include "domain/MakerInfo.h"
#include "screens/common/FormKit.h"
#include "screens/common/OpenURL.h"
#include "screens/common/Platform.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

// A description under a tile that reacts to a click like the tile itself.
class ClickableText : public QLabel {
  public:
    ClickableText(const QString& name, const QString& text, QWidget* parent)
        : QLabel(text, parent) {
        setObjectName(name);
        setWordWrap(true);
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (onClick && rect().contains(e->position().toPoint())) onClick();
    }
};

// While the tile's button has the focus, the whole tile (picture, caption
// and description) is framed: the application is one stop for Tab.
class TileFrame : public QObject {
  public:
    TileFrame(QFrame* tile, QWidget* button) : QObject(tile), tile_(tile) {
        button->installEventFilter(this);
        frame(false);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) frame(true);
        if (event->type() == QEvent::FocusOut) frame(false);
        return false;
    }

  private:
    void frame(bool focused) {
        tile_->setStyleSheet(
            QStringLiteral("QFrame#%1 { border: 3px solid %2; border-radius: 10px; %3 }")
                .arg(tile_->objectName(),
                     focused ? QStringLiteral("#ffd84a") : QStringLiteral("transparent"),
                     focused ? QStringLiteral("background: rgba(255, 216, 74, 40);") : QString()));
    }
    QFrame* tile_;
};

struct Tile {
    QString stem; // Orari, Calendario, Anagrafica
    QString picture;
    QString buttonText; // with its Alt letter
    QString description;
    const QString& opens; // the screen the tile shows
};

const Tile kTiles[] = {
    {"Orari", ":/tiles/orari.svg", "&IMPOSTAZIONE ORARI",
     "Modelli di orario riutilizzabili: periodo di validità, sede, disposizioni e fino a "
     "dodici fasce orarie con le attività da svolgere.",
     ScreenName::kOrari},
    {"Calendario", ":/tiles/calendario.svg", "&CALENDARIO TURNI",
     "Tabelle dei turni giornaliere e settimanali, archiviate per anno solare, con i turnisti "
     "di ogni fascia oraria.",
     ScreenName::kMenuRegistro},
    {"Anagrafica", ":/tiles/anagrafica.svg", "&ANAGRAFICA LAVORATORI",
     "Dati anagrafici, recapiti, dati di pagamento e contratti dei lavoratori, con i "
     "contratti in scadenza.",
     ScreenName::kIstruttori},
};

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent) : QWidget(parent) {
    setObjectName(ScreenName::kAvvio);
    setWindowTitle(QStringLiteral("Velmora"));
    FormKit::maximize(this);
    FormKit::backdrop(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(40, 30, 40, 20);

    auto* header = new QHBoxLayout;
    QLabel* logo = FormKit::label(this, "imgIcona", {});
    logo->setPixmap(QIcon(QStringLiteral(":/tiles/calendario.svg")).pixmap(72, 72));
    header->addWidget(logo);
    auto* titles = new QVBoxLayout;
    QLabel* title = FormKit::label(this, "imgTitolo", "Velmora");
    title->setStyleSheet(QStringLiteral("font-size: 34pt; font-weight: bold; color: #1d3d6b;"));
    titles->addWidget(title);
    QLabel* subtitle = FormKit::label(this, "imgSottotitolo", HelpTexts::kProductLine);
    subtitle->setWordWrap(true);
    subtitle->setStyleSheet(QStringLiteral("font-size: 12pt; color: #34495e;"));
    titles->addWidget(subtitle);
    header->addLayout(titles, 1);
    page->addLayout(header);
    page->addStretch(1);

    auto* tiles = new QHBoxLayout;
    tiles->setSpacing(30);
    for (const Tile& t : kTiles) {
        const QString& stem = t.stem;
        auto* tile = new QFrame(this);
        tile->setObjectName("shp" + stem);
        auto* column = new QVBoxLayout(tile);
        column->setContentsMargins(10, 10, 10, 10);
        column->setSpacing(8);
        QToolButton* picture = FormKit::pictureButton(tile, "img" + stem, {}, {}, 128);
        picture->setIcon(QIcon(t.picture));
        // The caption's button is the tile's stop for Tab and its Alt letter;
        // the picture reacts to the mouse only.
        picture->setFocusPolicy(Qt::NoFocus);
        QToolButton* button = FormKit::pictureButton(tile, "btn" + stem, {}, t.buttonText, 0);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(false);
        button->setStyleSheet(
            QStringLiteral("QToolButton { font-weight: bold; padding: 8px 16px; color: white;"
                           " border: 3px solid transparent;"
                           " background: #2c5d9b; border-radius: 4px; }"
                           " QToolButton:focus { border: 3px solid #ffd84a; }"));
        auto* info = new ClickableText("inf" + stem, t.description, tile);
        info->setFixedWidth(280);
        // Aligned items in a layout get no height-for-width; reserve the lines.
        info->setMinimumHeight(info->heightForWidth(280));
        column->addWidget(picture, 0, Qt::AlignHCenter);
        column->addWidget(button, 0, Qt::AlignHCenter);
        column->addWidget(info, 0, Qt::AlignHCenter);
        column->addStretch();
        new TileFrame(tile, button);
        tiles->addWidget(tile);
        auto open = [this, to = t.opens] { Screens::handOver(this, to); };
        connect(picture, &QToolButton::clicked, this, open);
        connect(button, &QToolButton::clicked, this, open);
        info->onClick = open;
    }
    page->addLayout(tiles);
    page->addStretch(2);

    auto* footer = new QHBoxLayout;
    struct Corner {
        QString name;
        QString icon;
        QString caption;
    };
    const Corner corners[] = {
        {"imgGuida", "help-contents", "&Guida"},
        {"imgInfo", "dialog-information", "Informazioni"},
        {"imgCopyright", "help-about", "Velmora"},
    };
    for (const Corner& c : corners)
        footer->addWidget(FormKit::pictureButton(this, c.name, c.icon, c.caption));
    footer->addStretch();
    QToolButton* site =
        FormKit::pictureButton(this, "imgSito", "emblem-web", MakerInfo::kWebSite, 22);
    site->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    footer->addWidget(site);
    footer->addStretch();
    footer->addWidget(FormKit::pictureButton(this, "imgEsci", "application-exit", "Esci"));
    page->addLayout(footer);

    FormKit::onClick(this, "imgGuida", [this] { showHelp(this, HelpTopic::General); });
    FormKit::onClick(this, "imgInfo", [this] { imgInfoClick(); });
    FormKit::onClick(this, "imgCopyright", [this] { imgCopyrightClick(); });
    FormKit::onClick(this, "imgSito", [this] { imgSitoClick(); });
    FormKit::onClick(this, "imgEsci", [this] { imgEsciClick(); });
}

void TfrmAvvio::imgInfoClick() {
    TfrmInfo info(this);
    showModal(info);
}

void TfrmAvvio::imgCopyrightClick() {
    TfrmSplash splash(this);
    showModal(splash);
}

void TfrmAvvio::imgSitoClick() {
    TMisc::Open(MakerInfo::kWebSite);
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}
