#include "Platform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

class QtMessages : public Messages {
public:
    bool show(QWidget* parent, Kind kind, const QString& text) override {
        QMessageBox box(parent);
        box.setText(text);
        switch (kind) {
        case Kind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QStringLiteral("Attenzione"));
            break;
        case Kind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle(QStringLiteral("Errore"));
            break;
        case Kind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle(QStringLiteral("Informazione"));
            break;
        case Kind::Question:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle(QStringLiteral("Conferma"));
            break;
        case Kind::Plain:
            box.setWindowTitle(QStringLiteral("Velmora"));
            break;
        }
        if (kind == Kind::Question) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else if (kind == Kind::Plain) {
            box.setStandardButtons(QMessageBox::Ok);
        } else {
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
        }
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

Messages& Platform::messages() { return *slot<Messages, QtMessages>(); }
Shell& Platform::shell() { return *slot<Shell, DesktopShell>(); }
ModalRunner& Platform::modal() { return *slot<ModalRunner, ExecModal>(); }
void Platform::install(std::unique_ptr<Messages> m) { replace<Messages, QtMessages>(std::move(m)); }
void Platform::install(std::unique_ptr<Shell> s) { replace<Shell, DesktopShell>(std::move(s)); }
void Platform::install(std::unique_ptr<ModalRunner> m) {
    replace<ModalRunner, ExecModal>(std::move(m));
}

int showModal(QDialog& dialog) { return Platform::modal().exec(dialog); }
