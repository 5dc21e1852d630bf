#include "ortix/app/ortix_windows.h"

#include <QApplication>
#include <QLocale>

#include <clocale>

namespace ortix {

void SetUpApplication() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
}

OrtixWindows CreateOrtixWindows(platform::qt::UserInterface* ui) {
    OrtixWindows w;
    w.Form1 = std::make_unique<TForm1>(ui);
    // Centred on the screen, owned here rather than by the main window.
    w.AboutBox = std::make_unique<TAboutBox>();
    w.OKRightDlg = std::make_unique<TOKRightDlg>();
    w.Form1->SetDialogs(w.AboutBox.get(), w.OKRightDlg.get());
    return w;
}

}  // namespace ortix
