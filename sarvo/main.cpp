// Sarvo: solves a plane triangle from three of its elements.

#include "sarvo/sarvo1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sarvo::Sarvo1 window;
    window.show();
    return QApplication::exec();
}
