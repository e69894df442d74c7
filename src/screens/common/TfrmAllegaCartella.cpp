#include "TfrmAllegaCartella.h"

#include "FormKit.h"
#include "OpenURL.h"
#include "Platform.h"
#include "Routes.h"
#include "ScreenNames.h"
#include "archive/AtomicSave.h"
#include "archive/RecordLayout.h"
#include "archive/Text.h"
#include "domain/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

const QString kBadName = QStringLiteral(
    "Attenzione: il nome del file scelto non può essere usato per un file allegato.\r\n\r\n"
    "Rinominare il file e sceglierlo di nuovo.");
const QString kOutsideCodePage = QStringLiteral(
    "Attenzione: il nome del file scelto contiene caratteri che la scheda non è in grado di "
    "memorizzare, quindi il file non è stato allegato.\r\n\r\nRinominare il file usando "
    "lettere dell'alfabeto latino, cifre e segni comuni e sceglierlo di nuovo.");
const QString kTooLong = QStringLiteral(
    "Attenzione: il nome del file scelto supera i %1 caratteri che la scheda è in grado di "
    "memorizzare, quindi il file non è stato allegato.\r\n\r\nRinominare il file con un nome "
    "più breve e sceglierlo di nuovo.");
const QString kBadCharacters = QStringLiteral(
    "Attenzione: il nome del file scelto contiene il carattere \\ o il carattere :, che non "
    "possono comparire nel nome di un file allegato.\r\n\r\nRinominare il file e sceglierlo "
    "di nuovo.");
const QString kNotAFile = QStringLiteral(
    "Attenzione: l'elemento scelto non è un file ordinario (è per esempio una cartella, una "
    "pipe o un dispositivo) e non può essere allegato.");
const QString kCannotRead = QStringLiteral(
    "Attenzione: il sistema non permette di leggere il file scelto, quindi il file non è stato "
    "allegato.\r\n\r\nAccertarsi che il file esista e di possedere i privilegi per leggerlo.");
const QString kChanged = QStringLiteral(
    "Attenzione: il file scelto è cambiato mentre veniva copiato, quindi non è stato "
    "allegato.\r\n\r\nAttendere che il programma che lo sta modificando abbia finito e "
    "riprovare.");
const QString kNoFolder = QStringLiteral(
    "Attenzione: il sistema non permette di creare la cartella dei documenti allegati.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");
const QString kTargetNotAFile = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente una cartella o un file "
    "speciale con lo stesso nome, che non può essere sostituito.\r\n\r\nScegliere un file con "
    "un altro nome.");
const QString kCannotCopy = QStringLiteral(
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti "
    "allegati, quindi il file non è stato allegato.\r\n\r\nAccertarsi che il disco non sia "
    "pieno e di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");

// Why a chosen file's name cannot be a slot's name, or nothing: the record
// keeps the name in Windows-1252 within its field, and on Windows a name
// with a backslash or a colon would be a path or a stream.
QString nameProblem(const QString& name) {
    if (name.contains(u'\\') || name.contains(u':')) return kBadCharacters;
    if (!Attachments::isBareName(name)) return kBadName;
    const QByteArray stored = vtext::toWin1252(name);
    if (vtext::fromWin1252(stored) != name) return kOutsideCodePage;
    const TRecordLayout& layout = TRecordLayout::daily();
    const int capacity = layout.field(layout.indexOf(u"File01")).capacity;
    if (stored.size() > capacity) return kTooLong.arg(capacity);
    return {};
}

// The chosen file, looked at before it is read: what is not a regular file
// (a pipe would keep the program waiting, a device never ends) is refused
// without waiting for anything. A copy is whole only when it holds as many
// bytes as the file had when it was opened and still has at the end.
class SourceFile {
  public:
    enum class State { Open, NotAFile, CannotOpen };
    enum class Copy { Whole, ReadFailed, WriteFailed, Changed };

    explicit SourceFile(const QString& path);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    State state() const { return state_; }
    Copy copyTo(AtomicSave::Writer& out);

  private:
    State state_ = State::CannotOpen;
    qint64 size_ = 0;
#ifndef _WIN32
    int fd_ = -1;
#else
    QFile file_;
#endif
};

#ifndef _WIN32

SourceFile::SourceFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        state_ = State::NotAFile;
        return;
    }
    // Not waiting even if it has become a pipe since.
    fd_ = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return;
    if (!S_ISREG(st.st_mode)) {
        state_ = State::NotAFile;
        return;
    }
    size_ = st.st_size;
    state_ = State::Open;
}

SourceFile::~SourceFile() {
    if (fd_ >= 0) ::close(fd_);
}

SourceFile::Copy SourceFile::copyTo(AtomicSave::Writer& out) {
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer.data(), static_cast<size_t>(buffer.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Copy::ReadFailed;
        if (n == 0) break;
        copied += n;
        if (copied > size_) return Copy::Changed;
        if (!out.write(QByteArrayView(buffer.constData(), n))) return Copy::WriteFailed;
    }
    struct stat now {};
    if (::fstat(fd_, &now) != 0) return Copy::ReadFailed;
    return copied == size_ && now.st_size == size_ ? Copy::Whole : Copy::Changed;
}

#else

SourceFile::SourceFile(const QString& path) : file_(path) {
    if (!QFileInfo(path).isFile()) {
        state_ = QFileInfo::exists(path) ? State::NotAFile : State::CannotOpen;
        return;
    }
    if (!file_.open(QIODevice::ReadOnly)) return;
    size_ = file_.size();
    state_ = State::Open;
}

SourceFile::~SourceFile() = default;

SourceFile::Copy SourceFile::copyTo(AtomicSave::Writer& out) {
    qint64 copied = 0;
    for (;;) {
        const QByteArray chunk = file_.read(256 * 1024);
        if (file_.error() != QFileDevice::NoError) return Copy::ReadFailed;
        if (chunk.isEmpty()) break;
        copied += chunk.size();
        if (copied > size_) return Copy::Changed;
        if (!out.write(chunk)) return Copy::WriteFailed;
    }
    return copied == size_ && file_.size() == size_ ? Copy::Whole : Copy::Changed;
}

#endif

// Copies the chosen file into the attachments folder as `name`. True when
// the slot is to take the name: the copy is whole, or the user keeps the
// file already there. Anything else is told and leaves the folder as it was.
bool copyIn(QWidget* screen, const QString& chosen, const QString& name) {
    using Kind = Messages::Kind;
    Messages& messages = Platform::messages();
    auto refuse = [&](Kind kind, const QString& text) {
        messages.show(screen, kind, text);
        return false;
    };
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return refuse(Kind::Warning, problem);
    SourceFile source(chosen);
    switch (source.state()) {
    case SourceFile::State::NotAFile:
        return refuse(Kind::Warning, kNotAFile);
    case SourceFile::State::CannotOpen:
        return refuse(Kind::Error, kCannotRead);
    case SourceFile::State::Open:
        break;
    }
    if (!QDir().mkpath(Attachments::folder())) return refuse(Kind::Error, kNoFolder);
    const QString target = Attachments::folder() + name;
    // Whatever has the name is there, a dangling link too; a link is then
    // replaced itself, never followed.
    const QFileInfo there(target);
    if (there.isSymLink() || there.exists()) {
        if (!there.isSymLink() && !there.isFile()) return refuse(Kind::Error, kTargetNotAFile);
        // No: the name refers to the file already in the folder.
        if (!messages.question(screen, kOverwrite)) return true;
    }
    AtomicSave::Writer copy;
    if (!copy.open(target, AtomicSave::Links::Replace)) return refuse(Kind::Error, kCannotCopy);
    switch (source.copyTo(copy)) {
    case SourceFile::Copy::Whole:
        return copy.commit() || refuse(Kind::Error, kCannotCopy);
    case SourceFile::Copy::ReadFailed:
        return refuse(Kind::Error, kCannotRead);
    case SourceFile::Copy::WriteFailed:
        return refuse(Kind::Error, kCannotCopy);
    case SourceFile::Copy::Changed:
        return refuse(Kind::Error, kChanged);
    }
    return false;
}

QString n(const char* stem, int slot) {
    return QString::fromLatin1(stem) + slotSuffix(slot);
}

// Enter on a button presses it; Enter in a box presses "Applica e chiudi".
QPushButton* button(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

} // namespace

namespace Attachments {

QString folder() {
    return ProgramFolder::path() + QStringLiteral("Documenti_Allegati/");
}

bool isBareName(const QString& name) {
    if (name.isEmpty() || name == u"." || name == u"..") return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':');
}

} // namespace Attachments

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : QDialog(parent) {
    setObjectName(ScreenName::kAllegaCartella);
    setWindowTitle(QStringLiteral(" Allega file"));
    setModal(true);

    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int slot = 1; slot <= kAttachments; ++slot) {
        const int row = 3 * (slot - 1);
        const QString ordinal = QString::number(slot) + QStringLiteral("° file allegato:");
        grid->addWidget(FormKit::label(this, n("lblFile", slot), QStringLiteral("Nome ") + ordinal),
                        row, 0);
        QLineEdit* file = FormKit::edit(this, n("txtFile", slot), 32767);
        file->setReadOnly(true);
        // Nothing to type there: Tab goes from button to box to button.
        file->setFocusPolicy(Qt::ClickFocus);
        file->setMinimumWidth(320);
        grid->addWidget(file, row, 1);
        grid->addWidget(button(this, n("btnSfoglia", slot), QStringLiteral("Sfoglia...")), row, 2);
        QPushButton* open = button(this, n("btnApri", slot), QStringLiteral("Apri"));
        open->setEnabled(false);
        grid->addWidget(open, row, 3);
        grid->addWidget(FormKit::pictureButton(this, n("imgCancella", slot),
                                               QStringLiteral("edit-clear"), {}, 20),
                        row, 4);
        grid->addWidget(
            FormKit::label(this, n("lblDesc", slot), QStringLiteral("Descrizione ") + ordinal),
            row + 1, 0);
        grid->addWidget(FormKit::edit(this, n("txtDesc", slot), 32767), row + 1, 1, 1, 4);
        grid->setRowMinimumHeight(row + 2, 10);

        // "Apri" follows the name in the box, however it got there.
        connect(file, &QLineEdit::textChanged, open,
                [open](const QString& text) { open->setEnabled(!vtext::trimmed(text).isEmpty()); });
        FormKit::onClick(this, n("btnSfoglia", slot), [this, slot] { btnSfogliaClick(slot); });
        FormKit::onClick(this, n("btnApri", slot), [this, slot] { btnApriClick(slot); });
        FormKit::onClick(this, n("imgCancella", slot), [this, slot] { imgCancellaClick(slot); });
    }
    page->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* apply =
        button(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"));
    apply->setDefault(true);
    buttons->addWidget(apply);
    buttons->addWidget(button(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla")));
    page->addLayout(buttons);
    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));
    FormKit::onClick(this, QStringLiteral("btnApplica"), [this] { btnApplicaClick(); });
    FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { reject(); });
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    const QString chosen =
        Platform::fileChooser().openFile(this, QStringLiteral("Selezionare il file da allegare:"));
    // A choice given up changes nothing.
    if (chosen.isEmpty()) return;
    const QString name = vtext::trimmed(QFileInfo(chosen).fileName());
    if (copyIn(this, chosen, name))
        FormKit::child<QLineEdit>(this, n("txtFile", slot))->setText(name);
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString name =
        vtext::trimmed(FormKit::child<QLineEdit>(this, n("txtFile", slot))->text());
    if (!Attachments::isBareName(name)) return;
    TMisc::Open(u'"' + Attachments::folder() + name + u'"');
}

void TfrmAllegaCartella::imgCancellaClick(int slot) {
    FormKit::child<QLineEdit>(this, n("txtFile", slot))->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
    QWidget* editor = Routes::attachmentOwner(vtext::trimmed(lblMemory_->text()));
    // A tag nobody registered keeps the screen open.
    if (!editor) return;
    for (int slot = 1; slot <= kAttachments; ++slot)
        for (const char* stem : {"File", "Desc"})
            FormKit::child<QLabel>(editor, QStringLiteral("lbl") + n(stem, slot))
                ->setText(vtext::trimmed(
                    FormKit::child<QLineEdit>(this, QStringLiteral("txt") + n(stem, slot))
                        ->text()));
    accept();
}
