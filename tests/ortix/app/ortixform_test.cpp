// The Ortix main window driven as a user drives it, on the offscreen platform: typing tables,
// pressing buttons, switching pages, answering file dialogs through a scripted interface.

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "ortix/app/ortix_windows.h"
#include "platform/qt/qtext.h"
#include "platform/textfile.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <string>
#include <vector>

using ortix::TForm1;
using ortix::TStringGrid;
using platform::qt::ScriptedUserInterface;
using platform::qt::ToQString;

namespace {

std::string S(const QString& s) {
    return platform::qt::FromQString(s);
}

QString Path(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name));
}

// The cells of column col, data rows only.
std::vector<std::string> Column(const TStringGrid* g, int col) {
    std::vector<std::string> out;
    for (int r = 1; r < g->RowCount(); ++r) {
        out.push_back(g->Cells(col, r));
    }
    return out;
}

// Fills punoti with the rows (name, north, east, direction, bearing, side), as typed.
void TypeTable(TForm1& f, const std::vector<std::vector<std::string>>& rows) {
    f.Pulisci1Click();
    for (size_t i = 1; i < rows.size(); ++i) {
        f.Inseriscidati1Click();
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 6; ++c) {
            const QModelIndex index = f.punoti->model()->index(static_cast<int>(r), c);
            f.punoti->model()->setData(index, ToQString(rows[r][static_cast<size_t>(c)]),
                                       Qt::EditRole);
        }
    }
}

const std::vector<std::vector<std::string>> kThreePoints = {
    {"A", "1100.000", "1000.000", "350.0000", "0.00", "100.0000"},
    {"B", "1000.000", "1100.000", "50.0010", "0.00", "100.0020"},
    {"C", "900.000", "1000.000", "149.9990", "0.00", "0.00"},
};

}  // namespace

class OrtixFormTest : public QObject {
    Q_OBJECT

  private:
    ScriptedUserInterface ui_;
    ortix::OrtixWindows w_;
    TForm1* f_ = nullptr;

  private Q_SLOTS:
    void init() {
        ui_.Clear();
        w_ = ortix::CreateOrtixWindows(&ui_);
        f_ = w_.Form1.get();
    }
    void cleanup() { w_ = {}; }

    void startsWithItsCaptionPagesHeadersAndOneDefaultRow() {
        f_->show();
        QCOMPARE(f_->size(), QSize(800, 600));
        QVERIFY(f_->windowTitle().startsWith(
            QStringLiteral("COMPENSAZIONE PLANIMETRICA DI PUNTO ISOLATO - V. 2.1.1.2 - ")));
        QCOMPARE(f_->PageControl1->count(), 4);
        QCOMPARE(f_->PageControl1->tabText(0), QStringLiteral("Compensazione Planimetrica"));
        QCOMPARE(f_->PageControl1->tabText(1), QStringLiteral("Libretto e Coordinate"));
        QCOMPARE(f_->PageControl1->tabText(2), QStringLiteral("Ap. a Terra"));
        QCOMPARE(f_->PageControl1->tabText(3), QStringLiteral("Snelius"));
        QCOMPARE(f_->PageControl1->currentWidget(), f_->compePag);
        QCOMPARE(f_->punoti->RowCount(), 2);
        QCOMPARE(f_->punoti->Cells(0, 0), std::string("          NOME           "));
        QCOMPARE(f_->punoti->Cells(5, 0), std::string("    Lato  "));
        QCOMPARE(Column(f_->punoti, 1), std::vector<std::string>{"0.00"});
        QCOMPARE(f_->punoti->Cells(0, 1), std::string());
        QCOMPARE(f_->Matrice->Cells(6, 0), std::string(" Res. Lin."));
        QCOMPARE(f_->Risultati->Cells(3, 0), std::string(" Anomalia "));
        QCOMPARE(f_->sdr->Cells(1, 0), std::string(" Lett. Azimut."));
        QCOMPARE(f_->coordi->Cells(3, 0), std::string("    Q    "));
        QCOMPARE(f_->mediapt->Cells(0, 0), std::string("    Orientamento    "));
        QCOMPARE(f_->TitleText(), std::string("COMPENSAZIONE PLANIMETRICA DI PUNTO ISOLATO"));
        QVERIFY(f_->op_->text().isEmpty());
        QVERIFY(f_->x_->text().isEmpty());
        QVERIFY(!f_->punoti->editTriggers().testFlag(QAbstractItemView::NoEditTriggers));
        QCOMPARE(f_->Matrice->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(f_->punoti->horizontalHeader()->sectionSize(0), 121);
        QCOMPARE(f_->sdr->horizontalHeader()->sectionSize(0), 125);
        QCOMPARE(f_->coordi->horizontalHeader()->sectionSize(0), 150);
        QCOMPARE(f_->Matrice->horizontalHeader()->sectionSize(0), 105);
        QCOMPARE(f_->op_->toolTip(), QStringLiteral("La stazione da compensare"));
        QCOMPARE(f_->Button1->text(), QStringLiteral("Calcola"));
    }

    void typedTableAdjustsAndShowsEveryResult() {
        f_->show();
        f_->xp_->setText(QStringLiteral("1000.5"));
        f_->yp_->setText(QStringLiteral("999.5"));
        TypeTable(*f_, kThreePoints);
        // One cell typed with the keyboard: the grid edits on the first key.
        f_->punoti->setFocus();
        f_->punoti->setCurrentIndex(f_->punoti->model()->index(2, 5));
        QTest::keyClicks(f_->punoti, QStringLiteral("1"));
        auto* editor = f_->punoti->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, QStringLiteral("00.0010"));
        // The cell follows the typing: a menu command during the edit reads what is shown.
        QCOMPARE(f_->punoti->Cells(5, 3), std::string("100.0010"));
        QTest::keyClick(editor, Qt::Key_Return);

        QTest::mouseClick(f_->Button1, Qt::LeftButton);
        QVERIFY2(ui_.Texts().isEmpty(), qPrintable(ui_.Texts().join(QLatin1Char('|'))));

        // The page shows exactly what the core computes from the same texts.
        ortix::AdjustmentDisplay expected;
        ortix::RunAdjustment(f_->punoti->Data(), "1000.5", "999.5", expected);
        QCOMPARE(S(f_->n_->text()), std::string("3"));
        QCOMPARE(S(f_->ni_->text()), std::string("3"));
        QCOMPARE(S(f_->ne_->text()), std::string("0"));
        QCOMPARE(S(f_->nl_->text()), std::string("3"));
        QCOMPARE(S(f_->x_->text()), expected.x_);
        QCOMPARE(S(f_->Y_->text()), expected.Y_);
        QCOMPARE(S(f_->ema_->text()), expected.ema_);
        QCOMPARE(S(f_->_semag->text()), expected._semag);
        QCOMPARE(f_->Matrice->RowCount(), expected.Matrice.RowCount());
        QCOMPARE(f_->Risultati->RowCount(), 4);
        QCOMPARE(Column(f_->Risultati, 5), Column(f_->Risultati, 5));
        // The station is near (1000, 1000): the data were made from it.
        QVERIFY(std::abs(std::stod(S(f_->x_->text())) - 1000.0) < 0.01);
        QVERIFY(std::abs(std::stod(S(f_->Y_->text())) - 1000.0) < 0.01);
        QCOMPARE(f_->x_->text().section(QLatin1Char('.'), 1).size(), 4);
        QCOMPARE(f_->emx_->text().section(QLatin1Char('.'), 1).size(), 5);
    }

    void guardAndConversionErrorsLeaveTheStatesTheyReach() {
        f_->xp_->setText(QStringLiteral("1000.5"));
        f_->yp_->setText(QStringLiteral("999.5"));
        TypeTable(*f_, kThreePoints);
        f_->Handle(&TForm1::Button1Click);
        const QString men = f_->_men->text();
        QVERIFY(!men.isEmpty());

        // Fewer than three rows: the message and nothing else.
        f_->cancellaDato1Click();
        const QString x = f_->x_->text();
        f_->Handle(&TForm1::Button1Click);
        QCOMPARE(ui_.Texts().constLast(), QStringLiteral("Inserisci i dati per il calcolo!!"));
        QCOMPARE(f_->x_->text(), x);

        // A bad cell: reset display, counts untouched, ellipse of the previous run kept.
        TypeTable(*f_, kThreePoints);
        f_->punoti->SetCells(2, 2, "12,5");
        f_->Handle(&TForm1::Button1Click);
        QCOMPARE(ui_.Texts().constLast(), QStringLiteral("Errore di conversione Stringa!!"));
        QVERIFY(f_->x_->text().isEmpty());
        QVERIFY(f_->ema_->text().isEmpty());
        QCOMPARE(f_->Matrice->RowCount(), 2);
        QCOMPARE(f_->Matrice->Cells(0, 1), std::string(" "));
        QCOMPARE(f_->Risultati->RowCount(), 2);
        QCOMPARE(f_->_men->text(), men);
    }

    void knownPointsTableHandlersKeepOneRow() {
        f_->Inseriscidati1Click();
        f_->Inseriscidati1Click();
        f_->Inseriscidati1Click();
        QCOMPARE(f_->punoti->RowCount(), 5);
        QCOMPARE(f_->punoti->Row(), 4);
        QCOMPARE(Column(f_->punoti, 0), (std::vector<std::string>{"", "", "", ""}));
        QCOMPARE(Column(f_->punoti, 4), (std::vector<std::string>(4, "0.00")));
        for (int r = 1; r <= 4; ++r) {
            f_->punoti->SetCells(0, r, "P" + std::to_string(r));
        }
        f_->punoti->SetRow(2);
        f_->cancellaDato1Click();
        QCOMPARE(Column(f_->punoti, 0), (std::vector<std::string>{"P1", "P3", "P4"}));
        f_->Pulisci1Click();
        QCOMPARE(f_->punoti->RowCount(), 2);
        QCOMPARE(f_->punoti->Row(), 1);
        QCOMPARE(Column(f_->punoti, 3), std::vector<std::string>{"0.00"});
        f_->punoti->SetCells(0, 1, "X");
        f_->punoti->SetCells(3, 1, "12.5");
        f_->cancellaDato1Click();  // the last row is reset, not removed
        QCOMPARE(f_->punoti->RowCount(), 2);
        QCOMPARE(f_->punoti->Cells(0, 1), std::string());
        QCOMPARE(f_->punoti->Cells(3, 1), std::string("0.00"));
    }

    void coordinatesTableHandlersKeepOneRow() {
        f_->InserisciDati2Click();
        f_->InserisciDati2Click();
        QCOMPARE(f_->coordi->RowCount(), 4);
        QCOMPARE(Column(f_->coordi, 1), (std::vector<std::string>{"", "", ""}));
        f_->coordi->SetCells(0, 1, "A");
        f_->coordi->SetCells(0, 2, "B");
        f_->coordi->SetCells(0, 3, "C");
        f_->coordi->SetRow(1);
        f_->Button9Click();
        QCOMPARE(Column(f_->coordi, 0), (std::vector<std::string>{"B", "C"}));
        f_->Button13Click();
        QCOMPARE(f_->coordi->RowCount(), 2);
        QCOMPARE(f_->coordi->Cells(0, 1), std::string());
        f_->coordi->SetCells(4, 1, "pilastro");
        f_->Button9Click();
        QCOMPARE(f_->coordi->RowCount(), 2);
        QCOMPARE(f_->coordi->Cells(4, 1), std::string());
    }

    void pageChangesResetWhatTheyOwn() {
        f_->op_->setText(QStringLiteral("100"));
        f_->PageControl1->setCurrentWidget(f_->LibPag);
        QCOMPARE(f_->Label18->text(), QStringLiteral("Dati letti dalla Stazione 100"));
        f_->op_->clear();
        f_->PageControl1->setCurrentWidget(f_->compePag);
        f_->PageControl1->setCurrentWidget(f_->LibPag);
        QCOMPARE(f_->Label18->text(), QStringLiteral("Dati letti dalla Stazione "));

        // An empty table offers one empty name.
        f_->PageControl1->setCurrentWidget(f_->APTPage);
        QCOMPARE(f_->CBOrient->count(), 1);
        QCOMPARE(f_->CBOrient->itemText(0), QString());
        QCOMPARE(f_->CBorig->count(), 1);

        TypeTable(*f_, kThreePoints);
        f_->LOINPUT->setText(QStringLiteral("12.3"));
        f_->_xmed->setText(QStringLiteral("1.0000"));
        f_->mediapt->SetRowCount(4);
        f_->mediapt->SetCells(0, 1, "A");
        f_->PageControl1->setCurrentWidget(f_->compePag);
        f_->PageControl1->setCurrentWidget(f_->APTPage);
        QCOMPARE(f_->EDITSTAZ->text(), QString());
        QCOMPARE(f_->CBOrient->count(), 3);
        QCOMPARE(f_->CBorig->itemText(2), QStringLiteral("C"));
        QCOMPARE(f_->CBOrient->currentIndex(), -1);
        QVERIFY(f_->LOINPUT->text().isEmpty());
        QVERIFY(f_->_xmed->text().isEmpty());
        QCOMPARE(f_->mediapt->RowCount(), 2);
        QCOMPARE(f_->mediapt->Cells(0, 1), std::string());

        // A name typed into a Snellius list stays; the lists offer the new names.
        f_->PageControl1->setCurrentWidget(f_->SnelPage);
        f_->CBB->setEditText(QStringLiteral("B"));
        f_->INPBNORD->setText(QStringLiteral("1000.000"));
        f_->nplabel->setText(QStringLiteral("1.0000"));
        f_->punoti->SetCells(0, 3, "D");
        f_->PageControl1->setCurrentWidget(f_->compePag);
        f_->PageControl1->setCurrentWidget(f_->SnelPage);
        QCOMPARE(f_->CBB->currentText(), QStringLiteral("B"));
        QCOMPARE(f_->CBA->itemText(2), QStringLiteral("D"));
        QVERIFY(f_->INPBNORD->text().isEmpty());
        QVERIFY(f_->nplabel->text().isEmpty());
    }

    void knownPointsFileRoundTripsThroughTheDialogs() {
        QTemporaryDir dir;
        f_->op_->setText(QStringLiteral("100"));
        f_->xp_->setText(QStringLiteral("1000.5"));
        f_->yp_->setText(QStringLiteral("999.5"));
        TypeTable(*f_, kThreePoints);
        f_->punoti->SetCells(5, 3, "");
        ui_.QueueFile(Path(dir, "stazione"));  // the dialog adds ".not"
        f_->Handle(&TForm1::SalvasuFile1Click);
        const auto& saveDialog = ui_.History().back().dialog;
        QCOMPARE(saveDialog.title, QStringLiteral("Salva File punti noti"));
        QCOMPARE(saveDialog.filter, QStringLiteral("File di punti noti (*.not) | *.not"));
        QVERIFY(saveDialog.overwritePrompt);
        const std::string saved = platform::qt::PathFromQString(Path(dir, "stazione.not"));
        QCOMPARE(platform::ReadLines(saved).size(), size_t{4});
        QCOMPARE(platform::ReadLines(saved)[3], std::string("C,900.000,1000.000,149.9990,0.00,"));

        const std::vector<std::string> names = Column(f_->punoti, 0);
        f_->Pulisci1Click();
        f_->op_->clear();
        f_->PageControl1->setCurrentWidget(f_->LibPag);
        ui_.QueueFile(Path(dir, "stazione.not"));
        f_->Handle(&TForm1::CaricadaFile1Click);
        QCOMPARE(ui_.History().back().dialog.title, QStringLiteral("Carica un File di punti noti"));
        QCOMPARE(f_->PageControl1->currentWidget(), f_->compePag);
        QCOMPARE(f_->op_->text(), QStringLiteral("100"));
        QCOMPARE(f_->yp_->text(), QStringLiteral("999.5"));
        QCOMPARE(Column(f_->punoti, 0), names);
        QCOMPARE(f_->punoti->Cells(5, 3), std::string());

        // Cancelling still shows the main page and changes nothing.
        f_->PageControl1->setCurrentWidget(f_->SnelPage);
        ui_.QueueCancel();
        f_->Handle(&TForm1::CaricadaFile1Click);
        QCOMPARE(f_->PageControl1->currentWidget(), f_->compePag);
        QCOMPARE(Column(f_->punoti, 0), names);

        // A file that cannot be read leaves table and edits as they were.
        ui_.QueueFile(Path(dir, "missing.not"));
        f_->Handle(&TForm1::CaricadaFile1Click);
        QVERIFY(ui_.Texts().constLast().startsWith(QStringLiteral("Cannot open file ")));
        QCOMPARE(Column(f_->punoti, 0), names);
        QCOMPARE(f_->op_->text(), QStringLiteral("100"));
    }

    void resultsReportNormalisesTheTableAndWritesTheFile() {
        QTemporaryDir dir;
        f_->op_->setText(QStringLiteral("100"));
        f_->xp_->setText(QStringLiteral("1000.5"));
        f_->yp_->setText(QStringLiteral("999.5"));
        TypeTable(*f_, kThreePoints);
        f_->Handle(&TForm1::Button1Click);
        ui_.QueueFile(Path(dir, "report.txt"));
        f_->Handle(&TForm1::salva1Click);
        QVERIFY2(ui_.Texts().isEmpty(), qPrintable(ui_.Texts().join(QLatin1Char('|'))));
        QCOMPARE(ui_.History().back().dialog.title, QStringLiteral("Salva Risultato dei Calcoli"));
        const auto lines =
            platform::ReadLines(platform::qt::PathFromQString(Path(dir, "report.txt")));
        QVERIFY(lines.size() > 30);
        QCOMPARE(lines[0], std::string("COMPENSAZIONE PLANIMETRICA DI PUNTO ISOLATO"));
        QCOMPARE(lines[6], std::string("Nome Stazione : 100"));
        QCOMPARE(f_->punoti->Cells(4, 1), std::string("0.0000"));
        QCOMPARE(f_->punoti->Cells(1, 1), std::string("1100.0000"));

        // A bad cell stops the report: no file, the rows before it normalised.
        f_->punoti->SetCells(5, 2, "");
        ui_.QueueFile(Path(dir, "bad.txt"));
        f_->Handle(&TForm1::salva1Click);
        QCOMPARE(ui_.Texts().constLast(), QStringLiteral("'' is not a valid floating point value"));
        QVERIFY(!QFile::exists(Path(dir, "bad.txt")));
        ui_.QueueCancel();
        f_->Handle(&TForm1::salva1Click);
        QCOMPARE(ui_.Texts().size(), 1);
    }

    void helpMenuShowsVersionInstructionsAndTogglesHints() {
        w_.AboutBox->Version->setText(QStringLiteral("x"));
        f_->InformazionisuOrtix1->trigger();
        QCOMPARE(w_.AboutBox->Version->text(), QStringLiteral("V. 2.1.1.2"));
        QCOMPARE(ui_.History().back().title, QStringLiteral("Informazioni su..."));

        f_->Istruzioni1->trigger();
        QCOMPARE(ui_.History().back().title, QStringLiteral("Istruzioni"));
        QVERIFY(w_.OKRightDlg->Memo1->toPlainText().startsWith(QStringLiteral("VALMERO \n")));
        w_.OKRightDlg->Memo1->appendPlainText(QStringLiteral("nota mia"));
        f_->Istruzioni1->trigger();
        QVERIFY(w_.OKRightDlg->Memo1->toPlainText().endsWith(QStringLiteral("nota mia")));

        QVERIFY(f_->ShowHint());
        QVERIFY(!f_->Suggerimenti1->isChecked());
        f_->Suggerimenti1->trigger();
        QVERIFY(f_->ShowHint());
        QVERIFY(f_->Suggerimenti1->isChecked());
        f_->Suggerimenti1->trigger();
        QVERIFY(!f_->ShowHint());
        QVERIFY(!f_->Suggerimenti1->isChecked());
        QVERIFY(!f_->HintShownFor(f_->op_));
        f_->Suggerimenti1->trigger();
        QVERIFY(f_->ShowHint());
        QVERIFY(f_->HintShownFor(f_->op_));
        QVERIFY(!f_->HintShownFor(f_->punoti));  // these grids never show hints
        QVERIFY(!f_->HintShownFor(f_->Matrice));
        QVERIFY(!f_->HintShownFor(f_->Risultati));
    }

    void decimalCommaLocaleChangesNothing() {
        const char* old = std::setlocale(LC_ALL, nullptr);
        const std::string saved = old != nullptr ? old : "C";
        if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) {
            QSKIP("it_IT.UTF-8 is not installed");
        }
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        f_->xp_->setText(QStringLiteral("1000.5"));
        f_->yp_->setText(QStringLiteral("999.5"));
        TypeTable(*f_, kThreePoints);
        f_->Handle(&TForm1::Button1Click);
        const QString x = f_->x_->text();
        f_->punoti->SetCells(1, 1, "1100,000");
        f_->Handle(&TForm1::Button1Click);
        std::setlocale(LC_ALL, saved.c_str());
        QLocale::setDefault(QLocale::c());
        QVERIFY(x.contains(QLatin1Char('.')));
        QVERIFY(!x.contains(QLatin1Char(',')));
        QCOMPARE(ui_.Texts(), QStringList{QStringLiteral("Errore di conversione Stringa!!")});
    }
};

QTEST_MAIN(OrtixFormTest)
#include "ortixform_test.moc"
