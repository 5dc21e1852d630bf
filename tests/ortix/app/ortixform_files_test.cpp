// The field-book and coordinate commands of the Ortix window and the transfer to known points,
// driven through scripted dialogs on the offscreen platform.

#include "ortix/adjustment/adjustment.h"
#include "ortix/app/ortix_windows.h"
#include "platform/qt/qtext.h"
#include "platform/textfile.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

using ortix::TForm1;
using ortix::TStringGrid;
using platform::qt::ScriptedUserInterface;

namespace {

std::vector<std::string> Column(const TStringGrid* g, int col) {
    std::vector<std::string> out;
    for (int r = 1; r < g->RowCount(); ++r) {
        out.push_back(g->Cells(col, r));
    }
    return out;
}

QString Write(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    platform::WriteFileAtomic(platform::qt::PathFromQString(path), bytes);
    return path;
}

QString Example(const char* name) {
    return QStringLiteral(ORTIX_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

std::string Field16(const std::string& s) {
    return std::string(16 - s.size(), ' ') + s;
}

// An SDR33 observation record of station S.
std::string Sdr33(const std::string& target, const std::string& dist, const std::string& zenith,
                  const std::string& hz) {
    return "09F1" + Field16("S") + Field16(target) + Field16(dist) + Field16(zenith) + Field16(hz) +
           "\r\n";
}

const std::string kSdr33Header = "00NMSDR33 V04-04.34    11-Dic-26 09:12  221111\r\n";

// The file dialog shown last.
platform::qt::FileDialog LastDialog(const ScriptedUserInterface& ui) {
    for (auto it = ui.History().rbegin(); it != ui.History().rend(); ++it) {
        if (it->kind == ScriptedUserInterface::Shown::Kind::Dialog) {
            return it->dialog;
        }
    }
    return {};
}

}  // namespace

class OrtixFilesTest : public QObject {
    Q_OBJECT

  private:
    ScriptedUserInterface ui_;
    ortix::OrtixWindows w_;
    TForm1* f_ = nullptr;

  private Q_SLOTS:
    void init() {
        ui_ = ScriptedUserInterface();
        w_ = ortix::CreateOrtixWindows(&ui_);
        f_ = w_.Form1.get();
    }
    void cleanup() { w_ = {}; }

    void fieldBookNeedsAStationFirst() {
        f_->Handle(&TForm1::CaricaLibretto1Click);
        QCOMPARE(ui_.Texts(), QStringList{QStringLiteral("Inserisci il nome della Stazione!!")});
        QCOMPARE(ui_.History().size(), size_t{1});  // no dialog was shown
    }

    void fieldBookFillsTheTableAndShowsItsPage() {
        QTemporaryDir dir;
        const QString book = Write(dir, "rilievo.SDR",
                                   kSdr33Header + Sdr33("A", "25.5", "100.0000", "12.3456") +
                                       Sdr33("B", "", "100.0000", "80.0000"));
        f_->op_->setText(QStringLiteral("S"));
        ui_.QueueFile(book);
        f_->Handle(&TForm1::CaricaLibretto1Click);
        QVERIFY2(ui_.Texts().isEmpty(), qPrintable(ui_.Texts().join(QLatin1Char('|'))));
        const platform::qt::FileDialog dialog = LastDialog(ui_);
        QCOMPARE(dialog.title, QStringLiteral("Carica un libretto"));
        QCOMPARE(dialog.filter,
                 QStringLiteral("Libretto SDR (*.sdr) | *.sdr|Libretto Pregeo (*.dat) | *.dat"));
        QCOMPARE(f_->PageControl1->currentWidget(), f_->LibPag);
        QCOMPARE(f_->Label18->text(), QStringLiteral("Dati letti dalla Stazione S"));
        QCOMPARE(Column(f_->sdr, 0), (std::vector<std::string>{"A", "B"}));
        QCOMPARE(Column(f_->sdr, 3), (std::vector<std::string>{"25.5", "0.00"}));
        QCOMPARE(Column(f_->sdr, 4), (std::vector<std::string>{"25.500", "0.000"}));

        // A bad zenith: the error, and the table as it was.
        const QString bad = Write(dir, "bad.sdr", kSdr33Header + Sdr33("C", "10", "", "1.0"));
        ui_.QueueFile(bad);
        f_->Handle(&TForm1::CaricaLibretto1Click);
        QCOMPARE(ui_.Texts().constLast(), QStringLiteral("'' is not a valid floating point value"));
        QCOMPARE(Column(f_->sdr, 0), (std::vector<std::string>{"A", "B"}));

        // Cancelling the dialog changes nothing.
        f_->PageControl1->setCurrentWidget(f_->compePag);
        ui_.QueueCancel();
        f_->Handle(&TForm1::CaricaLibretto1Click);
        QCOMPARE(f_->PageControl1->currentWidget(), f_->compePag);
        QCOMPARE(Column(f_->sdr, 0), (std::vector<std::string>{"A", "B"}));
    }

    void cancelledLoadsLeaveTheTablesAsTheyWere() {
        QTemporaryDir dir;
        std::string bytes;
        for (int i = 0; i < 20000; ++i) {
            bytes += "P" + std::to_string(i) + ",1,2,3,d\r\n";
        }
        const QString big = Write(dir, "big.asp", bytes);
        f_->coordi->SetCells(0, 1, "keep");
        ui_.CancelProgressAt(2);
        ui_.QueueFile(big);
        f_->Handle(&TForm1::CaricaCoordinate2Click);
        QVERIFY(ui_.ProgressUpdates() >= 2);
        QCOMPARE(Column(f_->coordi, 0), std::vector<std::string>{"keep"});
        QCOMPARE(f_->PageControl1->currentWidget(), f_->compePag);
        QVERIFY(ui_.Texts().isEmpty());
    }

    void coordinatesSaveEastBeforeNorthAndLoadByAppending() {
        QTemporaryDir dir;
        f_->coordi->SetCells(0, 1, "P1");
        f_->coordi->SetCells(1, 1, "5");
        f_->coordi->SetCells(2, 1, "7");
        f_->coordi->SetCells(3, 1, "2");
        f_->coordi->SetCells(4, 1, "pillar");
        ui_.QueueFile(dir.filePath(QStringLiteral("punti")));
        f_->Handle(&TForm1::SalvaCoordinate1Click);
        QCOMPARE(LastDialog(ui_).title, QStringLiteral("Salva File coordinate"));
        const std::string saved =
            platform::qt::PathFromQString(dir.filePath(QStringLiteral("punti.asp")));
        QCOMPARE(platform::ReadFileBytes(saved), std::string("P1,7,5,2,pillar\r\n"));

        f_->Button13Click();
        const QString three = Write(dir, "tre.asp", "A,1,2,3,x\rB,4,5,6,muro, lato nord\rC,7,8\r");
        ui_.QueueFile(three);
        f_->Handle(&TForm1::CaricaCoordinate2Click);
        QCOMPARE(LastDialog(ui_).title, QStringLiteral("Carica un File di coordinate note"));
        QCOMPARE(f_->PageControl1->currentWidget(), f_->LibPag);
        QCOMPARE(Column(f_->coordi, 0), (std::vector<std::string>{"A", "B", "C"}));
        QCOMPARE(Column(f_->coordi, 1), (std::vector<std::string>{"2", "5", "8"}));
        QCOMPARE(Column(f_->coordi, 4), (std::vector<std::string>{"x", "muro, lato nord", "8"}));
        ui_.QueueFile(three);
        f_->Handle(&TForm1::CaricaCoordinate2Click);
        QCOMPARE(Column(f_->coordi, 0), (std::vector<std::string>{"A", "B", "A", "B", "C"}));
    }

    void transferPairsByNameInCoordinatesOrder() {
        // No coordinates: nothing at all happens.
        f_->PageControl1->setCurrentWidget(f_->LibPag);
        f_->coordi->SetRowCount(1);
        f_->punoti->SetCells(0, 1, "keep");
        f_->Handle(&TForm1::Button2Click);
        QCOMPARE(f_->PageControl1->currentWidget(), f_->LibPag);
        QCOMPARE(Column(f_->punoti, 0), std::vector<std::string>{"keep"});

        f_->coordi->SetRowCount(4);
        const char* names[] = {"A", "B", "C"};
        for (int r = 1; r <= 3; ++r) {
            f_->coordi->SetCells(0, r, names[r - 1]);
            f_->coordi->SetCells(1, r, std::to_string(100 * r));
            f_->coordi->SetCells(2, r, std::to_string(200 * r));
        }
        f_->sdr->SetRowCount(4);
        const char* readings[][3] = {
            {"C", "30.0", "3.000"}, {"A", "10.0", "1.000"}, {"A", "11.0", "1.100"}};
        for (int r = 1; r <= 3; ++r) {
            f_->sdr->SetCells(0, r, readings[r - 1][0]);
            f_->sdr->SetCells(1, r, readings[r - 1][1]);
            f_->sdr->SetCells(4, r, readings[r - 1][2]);
        }
        f_->Handle(&TForm1::Button2Click);
        QCOMPARE(f_->PageControl1->currentWidget(), f_->compePag);
        QCOMPARE(Column(f_->punoti, 0), (std::vector<std::string>{"A", "A", "C"}));
        QCOMPARE(Column(f_->punoti, 1), (std::vector<std::string>{"100", "100", "300"}));
        QCOMPARE(Column(f_->punoti, 3), (std::vector<std::string>{"10.0", "11.0", "30.0"}));
        QCOMPARE(Column(f_->punoti, 4), (std::vector<std::string>{"0.00", "0.00", "0.00"}));
        QCOMPARE(Column(f_->punoti, 5), (std::vector<std::string>{"1.000", "1.100", "3.000"}));
    }

    void fieldBookAndCoordinatesAdjustLikeTheSameDataTypedByHand() {
        f_->op_->setText(QStringLiteral("100"));
        f_->xp_->setText(QStringLiteral("5123.40"));
        f_->yp_->setText(QStringLiteral("2345.70"));
        ui_.QueueFile(Example("rilievo-100.sdr"));
        f_->Handle(&TForm1::CaricaLibretto1Click);
        ui_.QueueFile(Example("capisaldi.asp"));
        f_->Handle(&TForm1::CaricaCoordinate2Click);
        f_->Handle(&TForm1::Button2Click);
        f_->Handle(&TForm1::Button1Click);
        QVERIFY2(ui_.Texts().isEmpty(), qPrintable(ui_.Texts().join(QLatin1Char('|'))));
        QCOMPARE(f_->sdr->RowCount(), 10);
        QCOMPARE(Column(f_->punoti, 0),
                 (std::vector<std::string>{"VERTICE 21", "TRIG 12", "CIPPO 7", "CAMPANILE",
                                           "PILASTRO 3", "SPIGOLO FABBR."}));

        // The same observations typed into a table by hand.
        platform::TextGrid typed = f_->punoti->Data();
        ortix::AdjustmentDisplay byHand;
        ortix::RunAdjustment(typed, "5123.40", "2345.70", byHand);
        QCOMPARE(platform::qt::FromQString(f_->x_->text()), byHand.x_);
        QCOMPARE(platform::qt::FromQString(f_->Y_->text()), byHand.Y_);
        QCOMPARE(platform::qt::FromQString(f_->ema_->text()), byHand.ema_);
        // The field book was made from the station (5123.456, 2345.678).
        QVERIFY(std::abs(f_->x_->text().toDouble() - 5123.456) < 0.02);
        QVERIFY(std::abs(f_->Y_->text().toDouble() - 2345.678) < 0.02);
    }
};

QTEST_MAIN(OrtixFilesTest)
#include "ortixform_files_test.moc"
