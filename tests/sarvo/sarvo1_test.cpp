#include "sarvo/sarvo1.h"

#include "platform/qt/user_interface.h"
#include "sarvo/picture_box.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <memory>

namespace sarvo {
namespace {

constexpr double kFourDecimalsTol = 5e-5;

int Px(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

const QString kName = QString::fromLatin1(kSettingsName);
const QString kKeyX = QStringLiteral("POSIZIONE_FORMx/Sarvo1");
const QString kKeyY = QStringLiteral("POSIZIONE_FORMy/Sarvo1");

void StorePosition(const QString& x, const QString& y) {
    QSettings s(kName, kName);
    s.clear();
    if (!x.isNull()) {
        s.setValue(kKeyX, x);
        s.setValue(kKeyY, y);
    }
}

QString Stored(const QString& key) {
    return QSettings(kName, kName).value(key).toString();
}

void Fill(Sarvo1& w, const QStringList& texts) {
    for (int i = 0; i < kBoxCount; ++i) {
        w.Text1[static_cast<size_t>(i)]->setText(texts.value(i));
    }
}

QStringList Boxes(const Sarvo1& w) {
    QStringList texts;
    for (const QLineEdit* box : w.Text1) {
        texts << box->text();
    }
    return texts;
}

double BoxValue(const Sarvo1& w, int index) {
    return w.Text1[static_cast<size_t>(index)]->text().toDouble();
}

}  // namespace

class Sarvo1Test : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        // Never the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir_.Path()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(dir_.Path()));
    }

    void init() { StorePosition(QString(), QString()); }

    void layoutFollowsItsTwips() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        const int dx = w.logicalDpiX();
        const int dy = w.logicalDpiY();
        QCOMPARE(w.size(), QSize(Px(10080, dx), Px(5265, dy)));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(224, 224, 224));
        const QStringList captions = {QStringLiteral("Lato 1"),   QStringLiteral("Lato2"),
                                      QStringLiteral("Lato3"),    QStringLiteral("Angolo 1"),
                                      QStringLiteral("Angolo 2"), QStringLiteral("Angolo 3")};
        for (int i = 0; i < kBoxCount; ++i) {
            const auto k = static_cast<size_t>(i);
            QCOMPARE(w.Frame1[k]->title(), captions[i]);
            QCOMPARE(w.Frame1[k]->pos(),
                     QPoint(Px(i < 3 ? 120 : 3120, dx), Px(120 + 720 * (i % 3), dy)));
            QCOMPARE(w.Text1[k]->parentWidget(), w.Frame1[k]);
            QCOMPARE(w.Text1[k]->geometry(),
                     QRect(Px(120, dx), Px(240, dy), Px(2655, dx), Px(285, dy)));
            QVERIFY(w.Text1[k]->text().isEmpty());
        }
        QCOMPARE(w.Picture1->geometry(),
                 QRect(Px(6120, dx), Px(120, dy), Px(3855, dx), Px(3975, dy)));
        QCOMPARE(w.Text2->geometry(), QRect(Px(120, dx), Px(2280, dy), Px(5895, dx), Px(1815, dy)));
        QVERIFY(sarvo::IsMonospaced(w.Text2->font()));
        QCOMPARE(w.Text2->font().pointSizeF(), 9.75);
        const QStringList buttons = {QStringLiteral("&Calcola"), QStringLiteral("C&hiudi"),
                                     QStringLiteral("&Sposta SU"), QStringLiteral("&Azzera")};
        const int lefts[] = {8160, 6240, 120, 2040};
        for (size_t k = 0; k < 4; ++k) {
            QCOMPARE(w.Command1[k]->text(), buttons[static_cast<int>(k)]);
            QCOMPARE(w.Command1[k]->parentWidget(), w.Frame2);
            QCOMPARE(w.Command1[k]->geometry(),
                     QRect(Px(lefts[k], dx), Px(240, dy), Px(1815, dx), Px(615, dy)));
        }
    }

    void tabOrderRunsPictureResultsBoxesButtons() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.Text1[0]->hasFocus());
        w.Picture1->setFocus();
        const QList<QWidget*> expected = {
            w.Text2,    w.Text1[0],    w.Text1[1],    w.Text1[2],    w.Text1[3],    w.Text1[4],
            w.Text1[5], w.Command1[0], w.Command1[1], w.Command1[2], w.Command1[3], w.Picture1};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void typedCommaBecomesPoint() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        QTest::keyClicks(w.Text1[0], QStringLiteral("12,5"));
        QCOMPARE(w.Text1[0]->text(), QStringLiteral("12.5"));
        QTest::keyClicks(w.Text1[4], QStringLiteral("1,2,3"));
        QCOMPARE(w.Text1[4]->text(), QStringLiteral("1.2.3"));
    }

    // The keyboard alone: a side, Enter, ... the last angle's Enter reaches "&Calcola", whose
    // Enter solves.
    void enterWalksTheBoxesToCalcola() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const char* typed[] = {"3", "4", "5", "", "", ""};
        for (int i = 0; i < kBoxCount; ++i) {
            QLineEdit* box = w.Text1[static_cast<size_t>(i)];
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClicks(box, QString::fromLatin1(typed[i]));
            QTest::keyClick(box, i == 2 ? Qt::Key_Enter : Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), w.Command1[0]);
        QVERIFY(w.Text2->toPlainText().isEmpty());
        QTest::keyClick(w.Command1[0], Qt::Key_Return);
        QVERIFY(w.Text2->toPlainText().startsWith(QStringLiteral("Area = 6.000\n")));
    }

    void calcolaSolvesAndDraws() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        Fill(w, {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
        w.Command1[0]->click();
        QVERIFY(ui.History().empty());
        QCOMPARE(w.Text1[0]->text(), QStringLiteral("3"));
        QVERIFY(qAbs(BoxValue(w, 3) - 40.9666) < kFourDecimalsTol);
        QVERIFY(qAbs(BoxValue(w, 4) - 59.0334) < kFourDecimalsTol);
        QCOMPARE(w.Text1[5]->text(), QStringLiteral(" 100"));
        QCOMPARE(w.Text2->toPlainText(), QStringLiteral("Area = 6.000\n"
                                                        "Base1 = 3.000 Altezza1 = 4.000\n"
                                                        "Base2 = 4.000 Altezza2 = 3.000\n"
                                                        "Base3 = 5.000 Altezza3 = 2.400\n"
                                                        "Raggio Cerchio Inscritto = 1.000\n"
                                                        "Raggio Cerchio Circoscritto = 2.500"));
        QCOMPARE(w.Picture1->Drawing().strokes.size(), size_t{12});
        QCOMPARE(w.R(), 2.5);

        // The drawing is painted again whenever the box repaints, whatever its size.
        w.Picture1->resize(w.Picture1->width() / 2, w.Picture1->height());
        const QImage image = w.Picture1->grab().toImage();
        int green = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green += c.green() > 150 && c.red() < 100 && c.blue() < 100 ? 1 : 0;
            }
        }
        QVERIFY(green > 50);
    }

    void messagesStopWithBoxesUntouched() {
        struct Row {
            const char* name;
            QStringList input;
            QString text;
            QString title;
            platform::UserMessage::Icon icon;
        };
        const Row rows[] = {
            {"two boxes",
             {QStringLiteral("3"), QStringLiteral("4")},
             QStringLiteral("Numero di elementi insufficienti!"),
             QStringLiteral("Impossibile continuare"),
             platform::UserMessage::Icon::Exclamation},
            {"sides 2, 3, 5",
             {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5")},
             QString::fromUtf8("Un lato \xc3\xa8 Maggiore della somma degli altri 2!"),
             QStringLiteral("Impossibile continuare"),
             platform::UserMessage::Icon::Exclamation},
            {"sides 4, 5, angle 1",
             {QStringLiteral("4"), QStringLiteral("5"), QString(), QStringLiteral("60")},
             QStringLiteral("Doppia Soluzione"),
             QStringLiteral("Problema"),
             platform::UserMessage::Icon::Critical},
        };
        for (const Row& row : rows) {
            platform::qt::ScriptedUserInterface ui;
            Sarvo1 w(ui);
            Fill(w, {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
            w.Command1[0]->click();
            const QString results = w.Text2->toPlainText();
            Fill(w, row.input);
            const QStringList input = Boxes(w);
            w.Command1[0]->click();
            QVERIFY2(ui.History().size() == 1, row.name);
            QCOMPARE(ui.History()[0].text, row.text);
            QCOMPARE(ui.History()[0].title, row.title);
            QCOMPARE(ui.History()[0].icon, row.icon);
            QCOMPARE(Boxes(w), input);
            QCOMPARE(w.Text2->toPlainText(), results);
            QCOMPARE(w.R(), 2.5);
        }
    }

    void spostaSuTurnsTheSidesAndSolves() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        Fill(w, {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
        w.Command1[0]->click();
        w.Command1[2]->click();
        QVERIFY(ui.History().empty());
        QCOMPARE(Boxes(w).mid(0, 3),
                 (QStringList{QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("3")}));
        QVERIFY(qAbs(BoxValue(w, 3) - 59.0334) < kFourDecimalsTol);
        QVERIFY(qAbs(BoxValue(w, 4) - 100) < kFourDecimalsTol);
        QVERIFY(qAbs(BoxValue(w, 5) - 40.9666) < kFourDecimalsTol);
        QVERIFY(w.Text2->toPlainText().contains(QStringLiteral("Base1 = 4.000 Altezza1 = 3.000")));
    }

    void azzeraEmptiesBoxesButKeepsTheDrawing() {
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Fill(w, {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
        w.Command1[0]->click();
        w.Text1[4]->setFocus();
        w.Command1[3]->click();
        QCOMPARE(Boxes(w), QStringList(kBoxCount, QString()));
        QVERIFY(w.Text2->toPlainText().isEmpty());
        QVERIFY(w.Text1[0]->hasFocus());
        QCOMPARE(w.Picture1->Drawing().strokes.size(), size_t{12});
    }

    void positionIsRestoredAndSavedInTwips() {
        StorePosition(QStringLiteral("1500"), QStringLiteral("750"));
        platform::qt::ScriptedUserInterface ui;
        Sarvo1 w(ui);
        const int dpi = w.logicalDpiX();
        QCOMPARE(w.pos(), QPoint(Px(1500, dpi), Px(750, w.logicalDpiY())));
        w.show();
        w.move(150, 90);
        w.Command1[1]->click();  // "C&hiudi"
        QVERIFY(!w.isVisible());
        QCOMPARE(Stored(kKeyX), QString::number(qRound(150 * 1440.0 / dpi)));
        QCOMPARE(Stored(kKeyY), QString::number(qRound(90 * 1440.0 / w.logicalDpiY())));
        Sarvo1 again(ui);
        QCOMPARE(again.pos(), QPoint(150, 90));
    }

    void positionWithoutANumberOrOffScreenOpensOnThePrimaryScreen() {
        const QPoint corner = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        struct Row {
            const char* name;
            QString x;
            QString y;
            QPoint expected;
        };
        const Row rows[] = {
            {"first start", QString(), QString(), QPoint(0, 0)},
            {"not numbers", QStringLiteral("abc"), QStringLiteral("12,5"), QPoint(0, 0)},
            {"far to the right", QStringLiteral("1e9"), QStringLiteral("0"), corner},
            {"above every screen", QStringLiteral("0"), QStringLiteral("-150000"), corner},
        };
        for (const Row& row : rows) {
            StorePosition(row.x, row.y);
            platform::qt::ScriptedUserInterface ui;
            Sarvo1 w(ui);
            QVERIFY2(w.pos() == row.expected, row.name);
        }
    }

  private:
    testsupport::TempDir dir_;
};

}  // namespace sarvo

QTEST_MAIN(sarvo::Sarvo1Test)
#include "sarvo1_test.moc"
