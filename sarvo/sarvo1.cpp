#include "sarvo/sarvo1.h"

#include "platform/numbers.h"
#include "platform/qt/handler.h"
#include "platform/qt/qtext.h"
#include "sarvo/picture_box.h"
#include "sarvo/triangle_drawing.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace sarvo {
namespace {

constexpr double kTwipsPerInch = 1440;
const QColor kFormColour(224, 224, 224);
const QColor kButtonColour(192, 192, 192);

// Twips to pixels at the screen's logical resolution.
int Px(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

QRect TwipsRect(const QWidget& w, int left, int top, int width, int height) {
    const int dx = w.logicalDpiX();
    const int dy = w.logicalDpiY();
    return {Px(left, dx), Px(top, dy), Px(width, dx), Px(height, dy)};
}

// A stored position in pixels; a text that is not a number reads as 0.
int StoredPixels(const QSettings& settings, const QString& section, int dpi) {
    const std::string text = platform::qt::FromQString(
        settings.value(section + QStringLiteral("/Sarvo1"), QStringLiteral("0")).toString());
    double twips = 0;
    if (!platform::TryStrToFloat(text, twips)) {
        twips = 0;
    }
    // Far beyond any desktop, but inside an int.
    const double pixels = std::clamp(twips * dpi / kTwipsPerInch, -1e7, 1e7);
    return static_cast<int>(std::lround(pixels));
}

QString TwipsText(int pixels, int dpi) {
    return QString::fromStdString(platform::IntToStr(std::llround(pixels * kTwipsPerInch / dpi)));
}

QIcon TriangleIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 160, 0), 1));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::black, 1.5));
    const QPointF corners[] = {{2.5, 12.5}, {13.5, 12.5}, {10, 3}};
    p.drawPolygon(corners, 3);
    return QIcon(pixmap);
}

}  // namespace

Sarvo1::Sarvo1(QWidget* parent)
    : Sarvo1(static_cast<platform::qt::UserInterface*>(nullptr), parent) {}

Sarvo1::Sarvo1(platform::qt::UserInterface& ui, QWidget* parent) : Sarvo1(&ui, parent) {}

Sarvo1::Sarvo1(platform::qt::UserInterface* ui, QWidget* parent)
    : QWidget(parent),
      ownUi_(ui == nullptr ? std::make_unique<platform::qt::QtUserInterface>(this) : nullptr),
      ui_(ui == nullptr ? *ownUi_ : *ui),
      solver_(*this) {
    setObjectName(QStringLiteral("Sarvo1"));
    setWindowTitle(QStringLiteral("Sarvo - Risoluzione dei triangoli"));
    setWindowIcon(TriangleIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFormColour);
    setPalette(pal);
    setAutoFillBackground(true);
    // The layout is absolute, for this size only.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(Px(10080, logicalDpiX()), Px(5265, logicalDpiY()));
    BuildControls();
    FormLoad();
}

Sarvo1::~Sarvo1() = default;

bool IsMonospaced(const QFont& font) {
    const QFontMetricsF m(font);
    return m.horizontalAdvance(QLatin1Char('i')) == m.horizontalAdvance(QLatin1Char('M')) &&
           m.horizontalAdvance(QLatin1Char('.')) == m.horizontalAdvance(QLatin1Char('W'));
}

QFont ResultsFont() {
    // "Courier New" where it is installed; else the first monospaced family found, so that the
    // six result lines still align. The metrics decide: not every font says it is fixed-pitch.
    for (const char* family :
         {"Courier New", "DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "monospace"}) {
        QFont font{QString::fromLatin1(family)};
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSizeF(9.75);
        font.setWeight(QFont::Normal);
        if (IsMonospaced(font)) {
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    return font;
}

void Sarvo1::BuildControls() {
    static const char* const kFrameCaptions[kBoxCount] = {"Lato 1",   "Lato2",    "Lato3",
                                                          "Angolo 1", "Angolo 2", "Angolo 3"};
    Picture1 = new PictureBox(this);
    Picture1->setGeometry(TwipsRect(*this, 6120, 120, 3855, 3975));

    Text2 = new QPlainTextEdit(this);
    Text2->setGeometry(TwipsRect(*this, 120, 2280, 5895, 1815));
    Text2->setTabChangesFocus(true);
    Text2->setFont(ResultsFont());
    Text2->installEventFilter(this);

    for (int i = 0; i < kBoxCount; ++i) {
        const auto k = static_cast<size_t>(i);
        Frame1[k] = new QGroupBox(QString::fromLatin1(kFrameCaptions[k]), this);
        Frame1[k]->setGeometry(
            TwipsRect(*this, i < 3 ? 120 : 3120, 120 + 720 * (i % 3), 2895, 615));
        Text1[k] = new QLineEdit(Frame1[k]);
        Text1[k]->setGeometry(TwipsRect(*this, 120, 240, 2655, 285));
        Text1[k]->installEventFilter(this);
    }

    Frame2 = new QGroupBox(this);
    Frame2->setGeometry(TwipsRect(*this, 0, 4200, 10095, 975));
    struct Button {
        const char* caption;
        int left;
    };
    static const Button kButtons[4] = {
        {"&Calcola", 8160}, {"C&hiudi", 6240}, {"&Sposta SU", 120}, {"&Azzera", 2040}};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<size_t>(i);
        Command1[k] = new QPushButton(QString::fromLatin1(kButtons[k].caption), Frame2);
        Command1[k]->setGeometry(TwipsRect(*this, kButtons[k].left, 240, 1815, 615));
        QPalette buttonPalette = Command1[k]->palette();
        buttonPalette.setColor(QPalette::Button, kButtonColour);
        Command1[k]->setPalette(buttonPalette);
        // Enter on the focused button presses it: the last box hands the focus to "&Calcola".
        Command1[k]->setAutoDefault(true);
        connect(Command1[k], &QPushButton::clicked, this, [this, i] { Command1Click(i); });
    }

    // The picture and the results box first, then the six boxes, then the buttons.
    QWidget* order[] = {Picture1, Text2,    Text1[0],    Text1[1],    Text1[2],    Text1[3],
                        Text1[4], Text1[5], Command1[0], Command1[1], Command1[2], Command1[3]};
    for (size_t k = 0; k + 1 < std::size(order); ++k) {
        QWidget::setTabOrder(order[k], order[k + 1]);
    }
    // Ready for typing the first side.
    Text1[0]->setFocus();
}

void Sarvo1::FormLoad() {
    const QSettings settings(QString::fromLatin1(kSettingsName),
                             QString::fromLatin1(kSettingsName));
    QPoint position(StoredPixels(settings, QStringLiteral("POSIZIONE_FORMx"), logicalDpiX()),
                    StoredPixels(settings, QStringLiteral("POSIZIONE_FORMy"), logicalDpiY()));
    // A screen unplugged since the last run must not hide the window.
    const QRect placed(position, size());
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool visible = std::any_of(screens.begin(), screens.end(), [&](const QScreen* s) {
        return s->geometry().intersects(placed);
    });
    if (!visible && QGuiApplication::primaryScreen() != nullptr) {
        position = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    }
    move(position);
    solver_.Program.SetAngleFactors();
}

void Sarvo1::FormUnload() {
    QSettings settings(QString::fromLatin1(kSettingsName), QString::fromLatin1(kSettingsName));
    settings.setValue(QStringLiteral("POSIZIONE_FORMx/Sarvo1"),
                      TwipsText(pos().x(), logicalDpiX()));
    settings.setValue(QStringLiteral("POSIZIONE_FORMy/Sarvo1"),
                      TwipsText(pos().y(), logicalDpiY()));
}

void Sarvo1::closeEvent(QCloseEvent* event) {
    FormUnload();
    event->accept();
}

bool Sarvo1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The boxes read '.' as the only decimal separator, whatever the keyboard writes.
        if (key->text() == QStringLiteral(",")) {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), QStringLiteral("."),
                            key->isAutoRepeat(), 1);
            QCoreApplication::sendEvent(watched, &point);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            for (int i = 0; i < kBoxCount; ++i) {
                if (watched == Text1[static_cast<size_t>(i)]) {
                    Text1KeyDown(i);
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Sarvo1::Text1KeyDown(int index) {
    if (index < kBoxCount - 1) {
        Text1[static_cast<size_t>(index + 1)]->setFocus();
    } else {
        Command1[0]->setFocus();
    }
}

void Sarvo1::CalcolaTriangolo() {
    platform::qt::RunHandler(ui_, [this] { solver_.CalcolaTriangolo(); });
}

void Sarvo1::Command1Click(int index) {
    switch (index) {
        case 0:
            CalcolaTriangolo();
            break;
        case 1:
            close();
            break;
        case 2: {
            const QString first = Text1[0]->text();
            Text1[0]->setText(Text1[1]->text());
            Text1[1]->setText(Text1[2]->text());
            Text1[2]->setText(first);
            CalcolaTriangolo();
            break;
        }
        case 3:
            for (QLineEdit* box : Text1) {
                box->clear();
            }
            Text2->clear();
            Text1[0]->setFocus();
            break;
        default:
            break;
    }
}

double Sarvo1::R() const {
    return Picture1->Drawing().R;
}

std::string Sarvo1::BoxText(int index) const {
    return platform::qt::FromQString(Text1.at(static_cast<size_t>(index))->text());
}

void Sarvo1::SetBoxText(int index, const std::string& text) {
    Text1.at(static_cast<size_t>(index))->setText(platform::qt::ToQString(text));
}

void Sarvo1::SetResultsText(const std::string& text) {
    // The box keeps its lines apart by '\n'.
    Text2->setPlainText(
        platform::qt::ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Sarvo1::DisegnaTriangolo() {
    Picture1->SetDrawing(DrawTriangle(solver_));
}

}  // namespace sarvo
