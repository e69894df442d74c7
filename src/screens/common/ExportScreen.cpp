#include "ExportScreen.h"

#include "ArchiveAction.h"
#include "EditorChrome.h"
#include "FormKit.h"
#include "InfoScreens.h"
#include "OpenURL.h"
#include "domain/Environment.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kAskFirst = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
    "di Excel?");
const QString kFailed =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il file di Excel non sia già aperto.");

constexpr int kNumberWidth = 60;

// The exported columns; none for a screen without a source.
const std::vector<ExportColumn>& columnsOf(const ExportSource& source) {
    static const std::vector<ExportColumn> none;
    return source.table ? source.table->columns : none;
}

} // namespace

ExportScreen::ExportScreen(QWidget* opener, ExportSource source, const QString& objectName,
                           const QString& caption, HelpTopic topic)
    : QDialog(opener), source_(std::move(source)) {
    const std::vector<ExportColumn>& columns = columnsOf(source_);
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    QFrame* background = FormKit::panel(this, QStringLiteral("shpSfondo"));
    page->addWidget(background);
    auto* layout = new QVBoxLayout(background);

    QFrame* container = FormKit::panel(background, QStringLiteral("panContainer"));
    auto* containerLayout = new QVBoxLayout(container);
    grid_ = new QTableWidget(kEmptyExportRows, static_cast<int>(columns.size()) + 1, container);
    grid_->setObjectName(QStringLiteral("grdRecords"));
    // What is typed into the grid would reach the file but never the
    // archive: the grid only shows.
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the buttons; the arrow keys move between its
    // cells.
    grid_->setTabKeyNavigation(false);
    // Framed in the colour of the buttons' focus frame while it has the
    // focus; the frame keeps its width, so nothing moves.
    grid_->setStyleSheet(QStringLiteral("QTableWidget { border: 2px solid #c4c4c4; } "
                                        "QTableWidget:focus { border-color: #2c7be5; }"));
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(21);
    auto setColumn = [this](int column, const QString& name, const QString& header, int width) {
        auto* item = new QTableWidgetItem(header);
        item->setData(Qt::UserRole, name);
        grid_->setHorizontalHeaderItem(column, item);
        grid_->setColumnWidth(column, width);
    };
    setColumn(0, QStringLiteral("colNum"), QStringLiteral("N."), kNumberWidth);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ExportColumn& c = columns[i];
        setColumn(static_cast<int>(i) + 1, c.name, c.header, c.screenWidth);
    }
    containerLayout->addWidget(grid_);
    layout->addWidget(container, 1);

    QFrame* info = FormKit::panel(background, QStringLiteral("shpInfo"));
    auto* infoLayout = new QHBoxLayout(info);
    QLabel* line = FormKit::label(info, QStringLiteral("panInfo"),
                                  QStringLiteral("Esportazione archivio in Microsoft Excel."));
    infoLayout->addWidget(line, 1);
    // The three buttons, each with its picture, its caption and its hint,
    // and the Alt letters (and F1 for the help) of the editors' buttons.
    const struct {
        const char* name;
        const char* icon;
        const char* caption;
        const char* hint;
    } buttons[] = {
        {"cmdEsporta", "x-office-spreadsheet", "Esporta",
         "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "help-contents", "Guida",
         "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "application-exit", "Esci", "Esci da questo ambiente di lavoro."},
    };
    std::vector<std::pair<QString, QString>> hints;
    for (const auto& b : buttons) {
        const QString name = QString::fromLatin1(b.name);
        const QString hint = QString::fromUtf8(b.hint);
        QToolButton* button = FormKit::pictureButton(info, name, QString::fromLatin1(b.icon),
                                                     QString::fromUtf8(b.caption));
        EditorChrome::bindButtonKeys(this, button, hint);
        infoLayout->addWidget(button);
        hints.emplace_back(name, hint);
    }
    layout->addWidget(info);
    resize(1000, 600);

    FormKit::hints(this, line, hints,
                   {QStringLiteral("shpSfondo"), QStringLiteral("panContainer"),
                    QStringLiteral("grdRecords"), QStringLiteral("shpInfo")});
    FormKit::onClick(this, QStringLiteral("cmdEsporta"), [this] { cmdEsportaClick(); });
    FormKit::onClick(this, QStringLiteral("cmdEsci"), [this] { reject(); });
    FormKit::onClick(this, QStringLiteral("cmdGuida"), [this, topic] { showHelp(this, topic); });
}

QString ExportScreen::filePath() const {
    return source_.table ? ProgramFolder::path() + source_.table->fileName : QString();
}

void ExportScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (filled_) return;
    filled_ = true;
    fillGrid();
}

// The archive is read once, when the screen first shows; a failure keeps
// the grid as it was, without a word.
void ExportScreen::fillGrid() {
    if (!source_.table || source_.archivePath.isEmpty()) return;
    std::vector<QStringList> rows;
    guardArchive(this, std::nullopt, [&] {
        readExportRows(source_.archivePath, *source_.table, TRecordArchive::Mode::ReadOrCreate,
                       [&](QStringList cells) { rows.push_back(std::move(cells)); });
    });
    if (!rows.empty()) setRows(rows);
}

void ExportScreen::setRows(const std::vector<QStringList>& rows) {
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        grid_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            grid_->setItem(row, static_cast<int>(c) + 1, new QTableWidgetItem(rows[r][c]));
    }
}

std::vector<QStringList> ExportScreen::gridRows() const {
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(grid_->rowCount()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c < grid_->columnCount(); ++c) {
            const QTableWidgetItem* item = grid_->item(r, c);
            cells << (item ? item->text() : QString());
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

void ExportScreen::cmdEsportaClick() {
    if (!source_.table) return;
    Messages& messages = Platform::messages();
    if (!messages.question(this, kAskFirst)) return;
    const QString file = filePath();
    if (!writeSpreadsheet(file, *source_.table, gridRows())) {
        messages.plain(this, kFailed);
        return;
    }
    if (messages.question(this, kAskOpen)) TMisc::Open(u'"' + file + u'"');
}
