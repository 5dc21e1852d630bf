#include "ortix/app/ortixform.h"

#include "platform/qt/qtext.h"

#include <QMenuBar>
#include <QTabWidget>

namespace ortix {
namespace {

// The credit line that follows title and version in the caption.
constexpr const char* kCaptionCredit = " - Gruppo di sviluppo Ortix 2026";

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    resize(800, 600);
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
    BuildMenu();
    FormCreate();
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

void TForm1::FormCreate() {
    titleText_ = "COMPENSAZIONE PLANIMETRICA DI PUNTO ISOLATO";
    versionText_ = "V. 2.1.1.2";
    setWindowTitle(platform::qt::ToQString(titleText_ + " - " + versionText_ + kCaptionCredit));
}

}  // namespace ortix
