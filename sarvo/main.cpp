// Sarvo: solves a plane triangle from three of its elements.

#include "platform/qt/handler.h"
#include "sarvo/sarvo1.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Sarvo"));
    try {
        sarvo::Sarvo1 window;
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              platform::qt::ErrorText(error));
        return 1;
    }
}
