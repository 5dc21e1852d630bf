// Ortix: least-squares plane adjustment of an isolated point.

#include "ortix/app/ortixform.h"
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
        QApplication::setApplicationDisplayName(
            QStringLiteral("Compensazione Planimetrica di Punto isolato"));
        ortix::TForm1 form;
        form.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              platform::qt::ErrorText(error));
        return 1;
    }
}
