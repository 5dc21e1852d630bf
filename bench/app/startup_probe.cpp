// Ortix's start-up as main() runs it, up to the first shown and painted window, then exit: the
// process that the start-up benchmark times.

#include "ortix/app/ortix_windows.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ortix::SetUpApplication();
    const ortix::OrtixWindows windows = ortix::CreateOrtixWindows();
    windows.Form1->show();
    return QTest::qWaitForWindowExposed(windows.Form1.get()) ? 0 : 1;
}
