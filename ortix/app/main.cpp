// Ortix: least-squares plane adjustment of an isolated point.

#include "ortix/app/ortix_windows.h"
#include "platform/qt/handler.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        ortix::SetUpApplication();
        const ortix::OrtixWindows windows = ortix::CreateOrtixWindows();
        windows.Form1->show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              platform::qt::ErrorText(error));
        return 1;
    }
}
