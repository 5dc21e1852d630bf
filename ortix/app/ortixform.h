#pragma once

// TForm1, the main window of Ortix: the pages "Compensazione Planimetrica", "Libretto e
// Coordinate", "Ap. a Terra" and "Snelius", the main menu, and the handlers behind every button
// and menu item. The controls are the data: each handler reads the texts it needs, calls a core,
// and writes texts back. Every handler runs under RunHandler (see Handle).

#include "ortix/adjustment/adjustment.h"
#include "ortix/files/known_points_file.h"
#include "ortix/tables/stringgrid1.h"
#include "platform/qt/user_interface.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace ortix {

class TAboutBox;
class TOKRightDlg;

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    // The dialogs and boxes go through ui; without one the window uses the real ones.
    explicit TForm1(platform::qt::UserInterface* ui = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // The two dialogs of the Help menu, created after the window (see CreateOrtixWindows).
    void SetDialogs(TAboutBox* aboutBox, TOKRightDlg* instructions);

    const std::string& TitleText() const { return titleText_; }
    const std::string& VersionText() const { return versionText_; }
    platform::qt::UserInterface& Ui() { return *ui_; }

    // Handlers, each taking only the sender's place; Handle runs them under the error guard.
    void PageControl1Change();
    void Inseriscidati1Click();
    void cancellaDato1Click();
    void Pulisci1Click();
    void InserisciDati2Click();
    void Button9Click();
    void Button13Click();
    void Button1Click();
    void CaricadaFile1Click();
    void SalvasuFile1Click();
    void salva1Click();
    void CaricaLibretto1Click();
    void CaricaCoordinate2Click();
    void SalvaCoordinate1Click();
    void Button2Click();
    void InformazionisuOrtix1Click();
    void Suggerimenti1Click();
    void Istruzioni1Click();
    // The only writer of the adjustment report.
    void WriteAdjustmentReport(const std::string& fileName);

    // Runs a handler as the window's event loop does: an error shows in its box and stops it.
    void Handle(void (TForm1::*handler)());

    QTabWidget* PageControl1 = nullptr;
    QWidget* compePag = nullptr;
    QWidget* LibPag = nullptr;
    QWidget* APTPage = nullptr;
    QWidget* SnelPage = nullptr;

    // "Compensazione Planimetrica"
    QLineEdit* op_ = nullptr;
    QLineEdit* xp_ = nullptr;
    QLineEdit* yp_ = nullptr;
    TStringGrid1* punoti = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button12 = nullptr;
    QLabel* n_ = nullptr;
    QLabel* ni_ = nullptr;
    QLabel* ne_ = nullptr;
    QLabel* nl_ = nullptr;
    QPushButton* Button1 = nullptr;
    TStringGrid* Matrice = nullptr;
    TStringGrid* Risultati = nullptr;
    QLabel* x_ = nullptr;
    QLabel* emx_ = nullptr;
    QLabel* Y_ = nullptr;
    QLabel* EMY_ = nullptr;
    QLabel* ema_ = nullptr;
    QLabel* z_ = nullptr;
    QLabel* _men = nullptr;
    QLabel* _teta = nullptr;
    QLabel* _semag = nullptr;
    QLabel* _semin = nullptr;

    // "Libretto e Coordinate"
    QLabel* Label18 = nullptr;
    TStringGrid1* sdr = nullptr;
    QLabel* Label20 = nullptr;
    TStringGrid1* coordi = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button2 = nullptr;

    // "Ap. a Terra"
    QLabel* EDITSTAZ = nullptr;
    QComboBox* CBOrient = nullptr;
    QComboBox* CBorig = nullptr;
    QLabel* LOINPUT = nullptr;
    QLabel* LPINPUT = nullptr;
    QLabel* POSORLABEL = nullptr;
    QLabel* POSPLABEL = nullptr;
    QLabel* VALALFA = nullptr;
    QLabel* DRLABEL = nullptr;
    QLabel* YOINPUT = nullptr;
    QLabel* XOINPUT = nullptr;
    QLabel* YPINPUT = nullptr;
    QLabel* XPINPUT = nullptr;
    QLabel* QUADLABEL = nullptr;
    QLabel* AZIMUTLABEL = nullptr;
    QLabel* DELTAYLABEL = nullptr;
    QLabel* DELTAXLABEL = nullptr;
    QLabel* DISTANZALABEL = nullptr;
    QLabel* EPSILONLABEL = nullptr;
    QLabel* BETALABEL = nullptr;
    QLabel* AZIMUTLABEL2 = nullptr;
    QLabel* SEGNOLABEL = nullptr;
    QLabel* BETALABEL2 = nullptr;
    QLabel* AZCALCLABEL = nullptr;
    QLabel* XSTAZLABEL = nullptr;
    QLabel* YSTAZLABEL = nullptr;
    QLabel* _xmed = nullptr;
    QLabel* _ymed = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button14 = nullptr;
    QPushButton* Button4 = nullptr;
    TStringGrid1* mediapt = nullptr;

    // "Snelius"
    QComboBox* CBA = nullptr;
    QComboBox* CBB = nullptr;
    QComboBox* CBC = nullptr;
    QLabel* INPANORD = nullptr;
    QLabel* INPBNORD = nullptr;
    QLabel* INPCNORD = nullptr;
    QLabel* INPAEST = nullptr;
    QLabel* INPBEST = nullptr;
    QLabel* INPCEST = nullptr;
    QLabel* INPLA = nullptr;
    QLabel* INPLB = nullptr;
    QLabel* INPLC = nullptr;
    QLabel* alflabel = nullptr;
    QLabel* betlabel = nullptr;
    QLabel* nplabel = nullptr;
    QLabel* eplabel = nullptr;
    QLabel* _np1 = nullptr;
    QLabel* _ep1 = nullptr;
    QLabel* _np2 = nullptr;
    QLabel* _ep2 = nullptr;
    QLabel* _ep3 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;

    // Main menu
    QAction* caricapuntinoti1 = nullptr;
    QAction* CaricaLibretto1 = nullptr;
    QAction* CaricaCoordinate2 = nullptr;
    QAction* salvapuntinoti1 = nullptr;
    QAction* salvacompensati1 = nullptr;
    QAction* SalvaCoordinate1 = nullptr;
    QAction* InformazionisuOrtix1 = nullptr;
    QAction* Suggerimenti1 = nullptr;
    QAction* Istruzioni1 = nullptr;

    // The shared open and save dialogs.
    platform::qt::FileDialog ApriFile;
    platform::qt::FileDialog SalvaFile;

    // Whether the window shows its pop-up hints, and the hint of this control.
    bool ShowHint() const { return showHint_; }
    bool HintShownFor(const QObject* control) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildCompePage();
    void BuildLibPage();
    void BuildAptPage();
    void BuildSnelPage();
    void BuildMenu();
    void Wire();
    void FormCreate();
    // The adjustment's texts onto the page's result fields.
    void ShowAdjustmentFields();
    StationTexts Station() const;
    void SetStation(const StationTexts& station);

    std::unique_ptr<platform::qt::UserInterface> ownUi_;
    platform::qt::UserInterface* ui_;
    TAboutBox* aboutBox_ = nullptr;
    TOKRightDlg* instructions_ = nullptr;
    bool showHint_ = true;

    std::string titleText_;
    std::string versionText_;
    // The results of the last adjustment; Matrice and Risultati show its grids.
    AdjustmentDisplay display_;

    // The ground-opening solutions list.
    int nmedie = 0;
    double xsomma = 0;
    double ysomma = 0;
    double xmedia = 0;
    double ymedia = 0;
};

}  // namespace ortix
