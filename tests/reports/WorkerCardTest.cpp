// The worker card printed and previewed from the worker editor: a portrait
// page of 41 label and value rows, each value from the editor's controls as
// they are on screen.
#include "reports/WorkerCard.h"
#include "SheetFixture.h"
#include "archive/Text.h"

#include <QPrintPreviewWidget>

namespace {

using namespace report;

// The rows' labels, top to bottom.
const QStringList kLabels = {
    "Cognome e nome:",
    "Codice fiscale:",
    "Sesso:",
    "Data di nascita:",
    "Comune di nascita:",
    "Partita IVA:",
    "Via e numero civico:",
    "CAP:",
    "Comune di residenza:",
    "Stato civile:",
    "Giorni e orari disponibilità:",
    "Recapito preferenziale:",
    "Tel. casa:",
    "Tel cellulare:",
    "Tel. ufficio:",
    "Fax:",
    "E-mail:",
    "Qualifica principale:",
    "Altri titoli:",
    "IBAN:",
    "Intestatario C/C:",
    "Banca:",
    "Carta di credito n.",
    "Scadenza carta di credito:",
    "Equipaggiamento assegnato:",
    "Modalità di pagamento:",
    "Note:",
    "Tipo documento:",
    "Numero documento:",
    "Ente di rilascio:",
    "Data di rilascio:",
    "Data di scadenza:",
    "Mansione:",
    "Categoria:",
    "Livello:",
    "Tipo di contratto:",
    "Data assunzione:",
    "Prossima scadenza:",
    "Compenso totale: €",
    "Frazionamento:",
    "Importo rata: €",
};

// Fields shown after another one, joined by a blank, and the box it is in.
const std::map<QString, QString> kJoinedTo = {
    {"Nome", "Cognome"}, {"ProvNasc", "ComuneNasc"}, {"ProvRes", "ComuneRes"}};

class WorkerCardSheet : public SheetTest {
  protected:
    WorkerCardSheet() : SheetTest(QStringLiteral("TfrmIstruttori")) {}

    // The fields the card shows, in record order: all but the days of notice
    // and the attachments.
    static QStringList shownFields() {
        QStringList fields;
        for (const TFieldDef& f : TRecordLayout::workers().fields())
            if (!isAttachment(f.name) && f.name != u"Preavviso") fields << f.name;
        return fields;
    }
    static QString boxOf(const QString& field) {
        return field == u"Cognome" ? QStringLiteral("txtIstruttore") : "txt" + field;
    }
    QString shown(const QString& field) const {
        const QString name = "txt" + field;
        if (auto* combo = screen("TfrmIstruttori")->findChild<QComboBox*>(name))
            return combo->currentText();
        return box(name)->text();
    }
    // Label and value boxes of the rows, top to bottom.
    static std::vector<const TextBox*> labels(const PreparedPage& page) {
        std::vector<const TextBox*> found;
        for (const TextBox& t : page.texts)
            if (t.name.isEmpty() && t.mm.left() == 12 && t.mm.width() == 37.8) found.push_back(&t);
        return found;
    }
};

TEST_F(WorkerCardSheet, FortyOneRowsInOrderEachALabelAndItsValueOnOneLine) {
    const PreparedPage page = printedPage("cmdStampa");
    EXPECT_EQ(printing->printed.back().orientation, Orientation::Portrait);
    EXPECT_EQ(page.paperMm, QSizeF(210, 297));

    // The value boxes follow the record's fields, the joined ones sharing a row.
    QStringList rows;
    for (const QString& f : shownFields())
        if (!kJoinedTo.count(f)) rows << boxOf(f);
    ASSERT_EQ(rows.size(), 41);
    ASSERT_EQ(kLabels.size(), 41);
    EXPECT_EQ(namedBoxes(page), rows + QStringList{"txtCalce"});

    const std::vector<const TextBox*> labelBoxes = labels(page);
    ASSERT_EQ(labelBoxes.size(), 41u);
    for (int k = 0; k < 41; ++k) {
        SCOPED_TRACE(rows[k].toStdString());
        // On the paper: the template's place plus the 10 mm margin.
        const double top = 17 + 5 * k;
        const TextBox* value = page.text(rows[k]);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->mm, QRectF(54, top + 0.5, 144, 3.5));
        EXPECT_EQ(labelBoxes[k]->mm, QRectF(12, top + 0.5, 37.8, 3.5));
        EXPECT_EQ(labelBoxes[k]->text(), kLabels[k]);
        for (const TextBox* t : {value, labelBoxes[k]}) {
            EXPECT_EQ(t->font, (Font{QStringLiteral("Arial"), 7, false}));
            EXPECT_EQ(t->hAlign, HAlign::Left);
        }
        const QRectF frame(11, top, 188, 4.6);
        EXPECT_EQ(std::count_if(page.shapes.begin(), page.shapes.end(),
                                [&](const Shape& s) { return s.mm == frame; }),
                  1);
    }
    const TextBox* footer = page.text("txtCalce");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->mm, QRectF(12, 228, 185.8, 4.2));
    EXPECT_EQ(footer->text(), kFooter);
}

TEST_F(WorkerCardSheet, EveryValueBoxShowsItsControlAsOnScreen) {
    for (const QString& f : shownFields()) {
        // Blanks around what is typed; the boxes that rewrite their text
        // (upper case, digits) keep what they keep.
        const QString name = "txt" + f;
        auto* combo = screen("TfrmIstruttori")->findChild<QComboBox*>(name);
        const int room = (combo ? combo->lineEdit() : box(name))->maxLength();
        type(name,
             room > 4 ? " " + (f + "7 testo").left(std::min(20, room - 2)) + " " : f.left(room));
    }
    const PreparedPage page = printedPage("cmdStampa");
    for (const QString& f : shownFields()) {
        if (kJoinedTo.count(f)) continue;
        QString expected = vtext::trimmed(shown(f));
        for (const auto& [joined, to] : kJoinedTo)
            if (to == f) expected += u' ' + vtext::trimmed(shown(joined));
        ASSERT_FALSE(vtext::trimmed(shown(f)).isEmpty()) << f.toStdString();
        EXPECT_EQ(textOf(page, boxOf(f)), expected) << f.toStdString();
    }
}

TEST_F(WorkerCardSheet, JoinedRowsAreEachPartTrimmedThenOneBlankThenTheOther) {
    // The six controls, then the three rows they print as.
    const char* const controls[] = {"txtCognome",  "txtNome",      "txtComuneNasc",
                                    "txtProvNasc", "txtComuneRes", "txtProvRes"};
    const char* const rows[] = {"txtIstruttore", "txtComuneNasc", "txtComuneRes"};
    using Case = std::pair<std::array<const char*, 6>, std::array<const char*, 3>>;
    const Case cases[] = {
        {{"Rossi", "Mario", "Roma", "RM", "Milano", "MI"}, {"Rossi Mario", "Roma RM", "Milano MI"}},
        {{"  De Luca ", "\tAnna Maria ", " Reggio nell'Emilia ", "RE", "Torino", "TO"},
         {"De Luca Anna Maria", "Reggio nell'Emilia RE", "Torino TO"}},
        // No province: the municipality and the blank that would part them.
        {{"Verdi", "Luca", "Francia", "", "Pavia ", ""}, {"Verdi Luca", "Francia ", "Pavia "}},
        // Nothing typed: one blank.
        {{"", "", "", "", "", ""}, {" ", " ", " "}},
    };
    for (const auto& [typed, printed] : cases) {
        SCOPED_TRACE(printed[0]);
        for (int i = 0; i < 6; ++i)
            type(QString::fromLatin1(controls[i]), QString::fromUtf8(typed[i]));
        press("cmdStampa");
        ASSERT_FALSE(printing->printed.empty());
        const PreparedPage& page = printing->printed.back().pages.at(0);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(textOf(page, QString::fromLatin1(rows[i])), QString::fromUtf8(printed[i]))
                << rows[i];
    }
    EXPECT_EQ(printing->printed.size(), std::size(cases));
}

TEST_F(WorkerCardSheet, FreshScreenPrintsTheContractDefaultsAndNothingElse) {
    type("txtNote", "da dimenticare");
    click("TfrmIstruttori", "cmdNuovo");
    const PreparedPage page = printedPage("cmdStampa");
    const std::map<QString, QString> defaults = {
        {"txtDecorrenza", "05/03/2024"}, {"txtScadenza", "05/03/2024"},
        {"txtTotale", "0,00"},           {"txtRata", "0,00"},
        {"txtIstruttore", " "},          {"txtComuneNasc", " "},
        {"txtComuneRes", " "},           {"txtCalce", kFooter},
    };
    for (const QString& name : namedBoxes(page)) {
        const auto it = defaults.find(name);
        EXPECT_EQ(textOf(page, name), it == defaults.end() ? QString() : it->second)
            << name.toStdString();
    }
}

TEST_F(WorkerCardSheet, PreviewShowsThePrintedPortraitPage) {
    type("txtCognome", "Bianchi");
    type("txtProvRes", "RM");
    press("cmdStampa");
    press("cmdAnteprima");
    press("cmdAnteprima", "btnAnnulla");
    EXPECT_EQ(modal->shownScreens, (QStringList{"TfrmStampaIstruttore", "TfrmAnteprimaIstruttore",
                                                "TfrmAnteprimaIstruttore"}));
    ASSERT_EQ(printing->printed.size(), 1u);
    ASSERT_EQ(printing->previewed.size(), 1u);
    EXPECT_EQ(printing->previewed[0], printing->printed[0]);
    EXPECT_EQ(report::WorkerCard::design().name, "Scheda Lavoratore");

    PreviewWindow window(printing->previewed[0]);
    window.pages()->updatePreview();
    EXPECT_EQ(window.pages()->pageCount(), 1);
    EXPECT_EQ(window.pages()->orientation(), QPageLayout::Portrait);
}

} // namespace
