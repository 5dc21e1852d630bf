#include "ortix/app/ortixform.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/app/aboutbox.h"
#include "ortix/app/controls.h"
#include "ortix/app/okrightdlg.h"
#include "ortix/files/coordinate_file.h"
#include "ortix/files/field_book.h"
#include "platform/qt/handler.h"
#include "platform/qt/qtext.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <string_view>

namespace ortix {
namespace {

// The credit line that follows title and version in the caption.
constexpr const char* kCaptionCredit = " - Gruppo di sviluppo Ortix 2026";

// Title row of the ground-opening solutions list mediapt, columns 0 to 5.
constexpr std::array<std::string_view, 6> kMediaptHeader = {
    "    Orientamento    ", "      Origine       ", "   X/N    ",
    "   Y/E    ",           " Scarto x ",           " Scarto y ",
};

// Column 0 of every data row of the known-points table, in table order.
QStringList PointNames(const TStringGrid& punoti) {
    QStringList names;
    names.reserve(std::max(punoti.RowCount() - 1, 0));
    for (int r = 1; r < punoti.RowCount(); ++r) {
        names << platform::qt::ToQString(punoti.Cells(0, r));
    }
    return names;
}

// Refills a list's items; an editable list keeps the text shown in its edit field. A list
// model rather than item by item, so a table of a million points fills it at once.
void RefillList(QComboBox* list, const QStringList& names) {
    const QString shown = list->currentText();
    const QSignalBlocker block(list);
    auto* model = qobject_cast<QStringListModel*>(list->model());
    if (model == nullptr) {
        model = new QStringListModel(list);
        list->setModel(model);  // the combo box deletes the model it had
    }
    model->setStringList(names);
    list->setCurrentIndex(-1);
    if (list->isEditable()) {
        list->setEditText(shown);
    }
}

}  // namespace

TForm1::TForm1(platform::qt::UserInterface* ui, QWidget* parent)
    : QMainWindow(parent),
      ownUi_(ui == nullptr ? std::make_unique<platform::qt::QtUserInterface>(this) : nullptr),
      ui_(ui == nullptr ? ownUi_.get() : ui) {
    setObjectName(QStringLiteral("Form1"));
    resize(800, 600);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setWindowIcon(QIcon(ProgramPixmap()));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    auto addPage = [this](const char* name, const char* caption) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(page, QString::fromLatin1(caption));
        return page;
    };
    compePag = addPage("compePag", "Compensazione Planimetrica");
    LibPag = addPage("LibPag", "Libretto e Coordinate");
    APTPage = addPage("APTPage", "Ap. a Terra");
    SnelPage = addPage("SnelPage", "Snelius");
    BuildCompePage();
    BuildLibPage();
    BuildAptPage();
    BuildSnelPage();
    BuildMenu();

    ApriFile.mode = platform::qt::FileDialog::Mode::Open;
    ApriFile.defaultExt = QStringLiteral("*.not");
    ApriFile.filter = QStringLiteral("File Punti noti (*.not)|*.not");
    ApriFile.title = QStringLiteral("Carica punti noti");
    SalvaFile.mode = platform::qt::FileDialog::Mode::Save;
    SalvaFile.defaultExt = QStringLiteral("*.not");
    SalvaFile.filter = QStringLiteral("File punti noti (*.not)|*.not");
    SalvaFile.title = QStringLiteral("Salva punti noti");
    SalvaFile.overwritePrompt = true;

    Wire();
    Handle(&TForm1::FormCreate);
    PageControl1->setCurrentWidget(compePag);
}

// The grids Matrice and Risultati show display_, which goes before the widget base: take the
// pages down while it is still there.
TForm1::~TForm1() {
    delete PageControl1;
}

void TForm1::SetDialogs(TAboutBox* aboutBox, TOKRightDlg* instructions) {
    aboutBox_ = aboutBox;
    instructions_ = instructions;
}

void TForm1::Handle(void (TForm1::*handler)()) {
    platform::qt::RunHandler(*ui_, [this, handler] { (this->*handler)(); });
}

void TForm1::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    auto add = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    caricapuntinoti1 = add(file, "caricapuntinoti1", "Carica punti noti");
    CaricaLibretto1 = add(file, "CaricaLibretto1", "Carica Libretto");
    CaricaCoordinate2 = add(file, "CaricaCoordinate2", "Carica Coordinate");
    salvapuntinoti1 = add(file, "salvapuntinoti1", "Salva punti noti");
    salvacompensati1 = add(file, "salvacompensati1", "Salva Risultati");
    SalvaCoordinate1 = add(file, "SalvaCoordinate1", "Salva Coordinate");
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    InformazionisuOrtix1 = add(help, "InformazionisuOrtix1", "Informazioni su ....");
    Suggerimenti1 = add(help, "Suggerimenti1", "Suggerimenti");
    Suggerimenti1->setCheckable(true);
    Istruzioni1 = add(help, "Istruzioni1", "Istruzioni");
}

void TForm1::Wire() {
    auto click = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { Handle(handler); });
    };
    auto menu = [this](QAction* item, void (TForm1::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { Handle(handler); });
    };
    click(Button1, &TForm1::Button1Click);
    click(Button10, &TForm1::Inseriscidati1Click);
    click(Button11, &TForm1::cancellaDato1Click);
    click(Button12, &TForm1::Pulisci1Click);
    click(Button8, &TForm1::InserisciDati2Click);
    click(Button9, &TForm1::Button9Click);
    click(Button13, &TForm1::Button13Click);
    click(Button2, &TForm1::Button2Click);
    menu(caricapuntinoti1, &TForm1::CaricadaFile1Click);
    menu(CaricaLibretto1, &TForm1::CaricaLibretto1Click);
    menu(CaricaCoordinate2, &TForm1::CaricaCoordinate2Click);
    menu(salvapuntinoti1, &TForm1::SalvasuFile1Click);
    menu(salvacompensati1, &TForm1::salva1Click);
    menu(SalvaCoordinate1, &TForm1::SalvaCoordinate1Click);
    menu(InformazionisuOrtix1, &TForm1::InformazionisuOrtix1Click);
    menu(Istruzioni1, &TForm1::Istruzioni1Click);
    // The handler owns the check mark: undo the toggle the menu made on its own.
    connect(Suggerimenti1, &QAction::triggered, this, [this](bool checked) {
        Suggerimenti1->setChecked(!checked);
        Handle(&TForm1::Suggerimenti1Click);
    });
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { Handle(&TForm1::PageControl1Change); });

    // The computations of the ground-opening and Snellius pages are not part of this version.
    for (QPushButton* b : {Button3, Button15, Button5, Button14, Button4, Button6, Button7}) {
        b->setEnabled(false);
    }

    // Every control with a hint asks the window whether to show it.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->toolTip().isEmpty()) {
            w->installEventFilter(this);
        }
    }
}

bool TForm1::HintShownFor(const QObject* control) const {
    const QVariant own = control->property("showHint");
    return showHint_ && (!own.isValid() || own.toBool());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !HintShownFor(watched)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormCreate() {
    titleText_ = std::string(kTitleText);
    versionText_ = std::string(kVersionText);
    setWindowTitle(platform::qt::ToQString(titleText_ + " - " + versionText_ + kCaptionCredit));
    punoti->Change([](platform::TextGrid& g) {
        SetTitleRow(g, kPunotiHeader);
        SetDefaultKnownPointRow(g, 1);
    });
    Matrice->Change([](platform::TextGrid& g) { SetTitleRow(g, kMatriceHeader); });
    Risultati->Change([](platform::TextGrid& g) { SetTitleRow(g, kRisultatiHeader); });
    sdr->Change([](platform::TextGrid& g) { SetTitleRow(g, kSdrHeader); });
    coordi->Change([](platform::TextGrid& g) { SetTitleRow(g, kCoordiHeader); });
    mediapt->Change([](platform::TextGrid& g) { SetTitleRow(g, kMediaptHeader); });
}

void TForm1::PageControl1Change() {
    QWidget* page = PageControl1->currentWidget();
    if (page == LibPag) {
        SetText(Label18, "Dati letti dalla Stazione " + Text(op_));
    }
    if (page == APTPage) {
        SetText(EDITSTAZ, Text(op_));
        const QStringList names = PointNames(*punoti);
        RefillList(CBOrient, names);
        RefillList(CBorig, names);
        for (QLabel* f :
             {LPINPUT, YPINPUT, XPINPUT, DRLABEL, LOINPUT, YOINPUT, XOINPUT, _xmed, _ymed}) {
            f->clear();
        }
        nmedie = 0;
        xsomma = ysomma = xmedia = ymedia = 0;
        mediapt->Change([](platform::TextGrid& g) {
            g.SetRowCount(2);
            g.FillRow(1, std::string());
        });
    }
    if (page == SnelPage) {
        const QStringList names = PointNames(*punoti);
        for (QComboBox* list : {CBA, CBB, CBC}) {
            RefillList(list, names);
        }
        for (QLabel* f :
             {INPAEST, INPANORD, INPBEST, INPBNORD, INPCEST, INPCNORD, INPLA, INPLB, INPLC,
              alflabel, betlabel, nplabel, eplabel, _np1, _np2, _ep1, _ep2, _ep3}) {
            f->clear();
        }
    }
}

void TForm1::InformazionisuOrtix1Click() {
    if (aboutBox_ == nullptr) {
        return;
    }
    SetText(aboutBox_->Version, versionText_);
    ui_->ShowModal(*aboutBox_);
}

void TForm1::Istruzioni1Click() {
    if (instructions_ != nullptr) {
        ui_->ShowModal(*instructions_);
    }
}

void TForm1::Suggerimenti1Click() {
    if (Suggerimenti1->isChecked()) {
        Suggerimenti1->setChecked(false);
        showHint_ = false;
    } else {
        Suggerimenti1->setChecked(true);
        showHint_ = true;
    }
}

StationTexts TForm1::Station() const {
    return {Text(op_), Text(xp_), Text(yp_)};
}

void TForm1::SetStation(const StationTexts& station) {
    SetText(op_, station.op_);
    SetText(xp_, station.xp_);
    SetText(yp_, station.yp_);
}

}  // namespace ortix
