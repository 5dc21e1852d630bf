// The File menu: known points, results report, field books, coordinates; and the transfer of
// readings to known points.

#include "ortix/app/controls.h"
#include "ortix/app/ortixform.h"
#include "ortix/files/adjustment_report.h"
#include "ortix/files/coordinate_file.h"
#include "ortix/files/field_book.h"
#include "ortix/files/known_points_file.h"
#include "ortix/files/transfer.h"
#include "platform/qt/qtext.h"

#include <QLineEdit>
#include <QTabWidget>

namespace ortix {
namespace {

using platform::qt::FileDialog;
using platform::qt::PathFromQString;

void Prepare(FileDialog& dialog, const char* defaultExt, const char* filter, const char* title) {
    dialog.defaultExt = QString::fromLatin1(defaultExt);
    dialog.filter = QString::fromLatin1(filter);
    dialog.title = QString::fromLatin1(title);
}

// The core's progress hook, reported through the window's interface.
Progress Reporting(platform::qt::ProgressReport& report) {
    return [&report](double fraction) { return report.Update(fraction); };
}

}  // namespace

void TForm1::CaricadaFile1Click() {
    Prepare(ApriFile, "*.not", "File di punti noti (*.not) | *.not",
            "Carica un File di punti noti");
    if (ui_->Execute(ApriFile)) {
        // A load that fails leaves the table and the three edits as they were.
        StationTexts station = Station();
        punoti->Change([&](platform::TextGrid& grid) {
            LoadKnownPoints(PathFromQString(ApriFile.fileName), station, grid);
        });
        SetStation(station);
    }
    PageControl1->setCurrentWidget(compePag);
}

void TForm1::SalvasuFile1Click() {
    Prepare(SalvaFile, "*.not", "File di punti noti (*.not) | *.not", "Salva File punti noti");
    if (ui_->Execute(SalvaFile)) {
        SaveKnownPoints(PathFromQString(SalvaFile.fileName), Station(), punoti->Data());
    }
}

void TForm1::salva1Click() {
    Prepare(SalvaFile, "*.txt", "File di testo (*.txt) | *.txt", "Salva Risultato dei Calcoli");
    if (ui_->Execute(SalvaFile)) {
        WriteAdjustmentReport(PathFromQString(SalvaFile.fileName));
    }
}

void TForm1::WriteAdjustmentReport(const std::string& fileName) {
    const StationTexts station = Station();
    punoti->Change([&](platform::TextGrid& grid) {
        ortix::WriteAdjustmentReport(fileName, titleText_, versionText_, station, grid, display_);
    });
}

void TForm1::CaricaLibretto1Click() {
    const std::string station = Text(op_);
    RequireStationName(station);
    Prepare(ApriFile, "*.sdr", "Libretto SDR (*.sdr) | *.sdr|Libretto Pregeo (*.dat) | *.dat",
            "Carica un libretto");
    if (!ui_->Execute(ApriFile)) {
        return;
    }
    const auto report = ui_->StartProgress(QStringLiteral("Lettura del libretto..."));
    const bool loaded = sdr->Change([&](platform::TextGrid& grid) {
        return LoadFieldBook(PathFromQString(ApriFile.fileName), station, grid, Reporting(*report));
    });
    if (loaded) {
        PageControl1->setCurrentWidget(LibPag);
    }
}

void TForm1::CaricaCoordinate2Click() {
    Prepare(ApriFile, "*.asp", "Coordinate da NOTI (*.asp) | *.asp",
            "Carica un File di coordinate note");
    if (!ui_->Execute(ApriFile)) {
        return;
    }
    const auto report = ui_->StartProgress(QStringLiteral("Lettura delle coordinate..."));
    const bool loaded = coordi->Change([&](platform::TextGrid& grid) {
        return LoadCoordinates(PathFromQString(ApriFile.fileName), grid, Reporting(*report));
    });
    if (loaded) {
        PageControl1->setCurrentWidget(LibPag);
    }
}

void TForm1::SalvaCoordinate1Click() {
    Prepare(SalvaFile, "*.asp", "File di coordinate (*.asp) | *.asp", "Salva File coordinate");
    if (ui_->Execute(SalvaFile)) {
        SaveCoordinates(PathFromQString(SalvaFile.fileName), coordi->Data());
    }
}

void TForm1::Button2Click() {
    const auto report = ui_->StartProgress(QStringLiteral("Trasferimento nei punti noti..."));
    const bool moved = punoti->Change([&](platform::TextGrid& grid) {
        return TransferToKnownPoints(coordi->Data(), sdr->Data(), grid, Reporting(*report));
    });
    if (moved) {
        PageControl1->setCurrentWidget(compePag);
    }
}

}  // namespace ortix
