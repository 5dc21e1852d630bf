// Renders every page and dialog of Ortix, and Sarvo after a solved triangle, to PNG files on the
// offscreen platform: screenshots OUTDIR. The main page shows a real adjustment of the example
// station in examples/, the field-book page its field book and coordinate list.

#include "ortix/app/ortix_windows.h"
#include "platform/qt/qtext.h"
#include "platform/qt/user_interface.h"
#include "sarvo/sarvo1.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

bool Save(QWidget& w, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!w.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ortix::SetUpApplication();
    if (argc != 2) {
        std::fprintf(stderr, "uso: screenshots CARTELLA\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    platform::qt::ScriptedUserInterface ui;
    ortix::OrtixWindows w = ortix::CreateOrtixWindows(&ui);
    ortix::TForm1& f = *w.Form1;
    f.show();

    ui.QueueFile(QStringLiteral(ORTIX_EXAMPLES_DIR "/stazione-100.not"));
    f.Handle(&ortix::TForm1::CaricadaFile1Click);
    f.Handle(&ortix::TForm1::Button1Click);
    ui.QueueFile(QStringLiteral(ORTIX_EXAMPLES_DIR "/rilievo-100.sdr"));
    f.Handle(&ortix::TForm1::CaricaLibretto1Click);
    ui.QueueFile(QStringLiteral(ORTIX_EXAMPLES_DIR "/capisaldi.asp"));
    f.Handle(&ortix::TForm1::CaricaCoordinate2Click);
    for (const QString& text : ui.Texts()) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool ok = ui.Texts().isEmpty();

    const struct {
        QWidget* page;
        const char* file;
    } pages[] = {{f.compePag, "ortix-compensazione.png"},
                 {f.LibPag, "ortix-libretto.png"},
                 {f.APTPage, "ortix-apertura.png"},
                 {f.SnelPage, "ortix-snelius.png"}};
    for (const auto& p : pages) {
        f.PageControl1->setCurrentWidget(p.page);
        QApplication::processEvents();
        ok = Save(f, dir, p.file) && ok;
    }
    w.AboutBox->Version->setText(platform::qt::ToQString(f.VersionText()));
    ok = Save(*w.AboutBox, dir, "ortix-informazioni.png") && ok;
    ok = Save(*w.OKRightDlg, dir, "ortix-istruzioni.png") && ok;

    // Sarvo after solving the 3-4-5 triangle, with settings kept away from the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    sarvo::Sarvo1 triangle(ui);
    const char* sides[] = {"3", "4", "5"};
    for (int i = 0; i < 3; ++i) {
        triangle.Text1[static_cast<size_t>(i)]->setText(QString::fromLatin1(sides[i]));
    }
    triangle.show();
    triangle.Command1[0]->click();
    QApplication::processEvents();
    ok = Save(triangle, dir, "sarvo.png") && ok;
    return ok ? 0 : 1;
}
