#include "sarvo/sarvo1.h"

#include <QPalette>

namespace sarvo {
namespace {

// Twips to pixels at the screen's logical resolution (1 twip = 1/1440 inch).
int Twips(const QWidget& w, int twips, bool horizontal) {
    const int dpi = horizontal ? w.logicalDpiX() : w.logicalDpiY();
    return (twips * dpi + 720) / 1440;
}

}  // namespace

Sarvo1::Sarvo1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Sarvo1"));
    setWindowTitle(QStringLiteral("Sarvo - Risoluzione dei triangoli"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(Twips(*this, 10080, true), Twips(*this, 5265, false));
}

}  // namespace sarvo
