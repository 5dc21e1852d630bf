// Ortix: least-squares plane adjustment of an isolated point.

#include "ortix/app/ortix_windows.h"
#include "platform/qt/handler.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <clocale>
#include <exception>

int main(int argc, char** argv) {
    // Numbers are read and written with '.' and no grouping, whatever the regional settings.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    QApplication app(argc, argv);
    try {
        QApplication::setApplicationDisplayName(QString::fromLatin1(ortix::kApplicationTitle));
        const ortix::OrtixWindows windows = ortix::CreateOrtixWindows();
        windows.Form1->show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              platform::qt::ErrorText(error));
        return 1;
    }
}
