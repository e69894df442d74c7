#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

namespace {

class QtMessages : public Messages {
  public:
    bool show(QWidget* parent, Kind kind, const QString& text) override {
        const FocusReturn focusBack;
        QMessageBox box(parent);
        prepareMessageBox(box, kind, text);
        return box.exec() != QMessageBox::No;
    }
};

class DesktopShell : public Shell {
  public:
    void open(const QString& command) override {
        // Callers quote paths as the Windows shell wants them; the desktop
        // services take the bare text.
        QString target = command.trimmed();
        if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
            target = target.mid(1, target.size() - 2);
        const bool isUrl = target.contains(QStringLiteral("://")) ||
                           target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
        QDesktopServices::openUrl(isUrl ? QUrl(target, QUrl::TolerantMode)
                                        : QUrl::fromLocalFile(target));
    }
};

class DialogFileChooser : public FileChooser {
  public:
    QString openFile(QWidget* parent, const QString& title) override {
        return QFileDialog::getOpenFileName(parent, title, QString(),
                                            QStringLiteral("Tutti i file (*.*)"));
    }
};

class ExecModal : public ModalRunner {
  public:
    int exec(QDialog& dialog) override { return dialog.exec(); }
};

template <class Base, class Default> std::unique_ptr<Base>& slot() {
    static std::unique_ptr<Base> service = std::make_unique<Default>();
    return service;
}

template <class Base, class Default> void replace(std::unique_ptr<Base> service) {
    slot<Base, Default>() = service ? std::move(service) : std::make_unique<Default>();
}

} // namespace

void prepareMessageBox(QMessageBox& box, Messages::Kind kind, const QString& text) {
    using Kind = Messages::Kind;
    struct Look {
        QMessageBox::Icon icon;
        const char* title;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton preferred;
    };
    const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const Look look = [&]() -> Look {
        switch (kind) {
        case Kind::Warning:
            return {QMessageBox::Warning, "Attenzione", okCancel, QMessageBox::Ok};
        case Kind::Error:
            return {QMessageBox::Critical, "Errore", okCancel, QMessageBox::Ok};
        case Kind::Information:
            return {QMessageBox::Information, "Informazione", okCancel, QMessageBox::Ok};
        case Kind::Question:
            return {QMessageBox::Question, "Conferma", QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Yes};
        case Kind::Plain:
            break;
        }
        return {QMessageBox::NoIcon, "Velmora", QMessageBox::Ok, QMessageBox::Ok};
    }();
    box.setText(text);
    box.setIcon(look.icon);
    box.setWindowTitle(QString::fromUtf8(look.title));
    box.setStandardButtons(look.buttons);
    box.setDefaultButton(look.preferred);
}

Messages& Platform::messages() {
    return *slot<Messages, QtMessages>();
}
Shell& Platform::shell() {
    return *slot<Shell, DesktopShell>();
}
ModalRunner& Platform::modal() {
    return *slot<ModalRunner, ExecModal>();
}
FileChooser& Platform::fileChooser() {
    return *slot<FileChooser, DialogFileChooser>();
}
void Platform::install(std::unique_ptr<Messages> m) {
    replace<Messages, QtMessages>(std::move(m));
}
void Platform::install(std::unique_ptr<Shell> s) {
    replace<Shell, DesktopShell>(std::move(s));
}
void Platform::install(std::unique_ptr<ModalRunner> m) {
    replace<ModalRunner, ExecModal>(std::move(m));
}
void Platform::install(std::unique_ptr<FileChooser> c) {
    replace<FileChooser, DialogFileChooser>(std::move(c));
}

FocusReturn::FocusReturn() : opener_(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn() {
    if (!opener_ || !opener_->isVisible()) return;
    QWidget* window = opener_->window();
    // What the screen delivered may have moved the focus on in the window
    // below (a picked date moves to the next field); otherwise it is still
    // on the opener.
    QWidget* target = window->focusWidget();
    if (!target || !target->isVisible() || !target->isEnabled()) target = opener_;
    window->activateWindow();
    if (target->isEnabled()) target->setFocus(Qt::OtherFocusReason);
}

int showModal(QDialog& dialog) {
    const FocusReturn focusBack;
    return Platform::modal().exec(dialog);
}

bool openWithTag(QDialog& dialog, const QString& tag) {
    auto* memory = dialog.findChild<QLabel*>(QStringLiteral("lblMemory"));
    if (!memory) qFatal("%s has no lblMemory", qPrintable(dialog.objectName()));
    memory->setText(tag);
    return showModal(dialog) == QDialog::Accepted;
}
