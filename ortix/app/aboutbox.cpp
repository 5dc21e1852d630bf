#include "ortix/app/aboutbox.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace ortix {

QPixmap ProgramPixmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF station(16, 19);
    const QPointF known[] = {{4, 5}, {28, 7}, {24, 29}};
    p.setPen(QPen(Qt::darkGreen, 1.5, Qt::DashLine));
    for (const QPointF& k : known) {
        p.drawLine(station, k);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::blue);
    for (const QPointF& k : known) {
        p.drawRect(QRectF(k.x() - 2.5, k.y() - 2.5, 5, 5));
    }
    p.setBrush(Qt::red);
    p.drawEllipse(station, 3.5, 3.5);
    return pixmap;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Informazioni su..."));
    setFixedSize(298, 213);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 8, 281, 161);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ProgramPixmap());

    auto label = [panel](const char* name, const QString& text, int x, int y, int w, int h) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(x, y, w, h);
        return l;
    };
    ProductName = label("ProductName", QStringLiteral("ORTIX "), 88, 16, 180, 16);
    QFont big = ProductName->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 2);
    ProductName->setFont(big);
    Version = label("Version", QStringLiteral("Versione 2.0.0."), 88, 40, 180, 16);
    Copyright = label("Copyright", QString::fromUtf8("\xc2\xa9 2026 Gruppo di sviluppo Ortix"), 8,
                      80, 265, 16);
    Comments =
        label("Comments", QStringLiteral("Compensa Planimetricamente un punto "), 8, 104, 265, 48);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 178, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ortix
