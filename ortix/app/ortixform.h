#pragma once

// The main window of Ortix: four pages, the main menu and the handlers behind them.

#include <QMainWindow>

#include <string>

class QTabWidget;
class QWidget;
class QAction;

namespace ortix {

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QWidget* compePag = nullptr;
    QWidget* LibPag = nullptr;
    QWidget* APTPage = nullptr;
    QWidget* SnelPage = nullptr;

    QAction* caricapuntinoti1 = nullptr;
    QAction* CaricaLibretto1 = nullptr;
    QAction* CaricaCoordinate2 = nullptr;
    QAction* salvapuntinoti1 = nullptr;
    QAction* salvacompensati1 = nullptr;
    QAction* SalvaCoordinate1 = nullptr;
    QAction* InformazionisuOrtix1 = nullptr;
    QAction* Suggerimenti1 = nullptr;
    QAction* Istruzioni1 = nullptr;

    const std::string& TitleText() const { return titleText_; }
    const std::string& VersionText() const { return versionText_; }

private:
    void FormCreate();
    void BuildMenu();

    std::string titleText_;
    std::string versionText_;
};

}  // namespace ortix
