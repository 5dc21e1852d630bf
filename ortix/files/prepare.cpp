#include "ortix/files/prepare.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/files/coordinate_file.h"
#include "ortix/files/field_book.h"
#include "ortix/files/transfer.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <string_view>
#include <unordered_set>
#include <utility>

namespace ortix {

std::string NoReadingsMessage(std::string_view station, std::string_view fieldBookPath) {
    return "La stazione " + std::string(station) + " non ha letture nel libretto " +
           std::string(fieldBookPath) + "!!";
}

std::string NoPairsMessage(std::string_view station, std::string_view coordinatesPath) {
    return "Nessun punto letto dalla stazione " + std::string(station) + " ha coordinate in " +
           std::string(coordinatesPath) + "!!";
}

std::string FieldBookExtensionMessage(std::string_view extension) {
    return "Libretto non riconosciuto (" + std::string(extension) +
           "): le estensioni sono .sdr e .dat!!";
}

PreparedKnownPoints PrepareKnownPoints(const PrepareRequest& request) {
    const StationTexts& station = request.station;
    RequireStationName(station.op_);
    // The provisional coordinates are checked now rather than by the adjustment of the file.
    for (const std::string* coordinate : {&station.xp_, &station.yp_}) {
        if (!coordinate->empty()) {
            platform::StrToFloat(*coordinate);
        }
    }
    const std::string_view extension = FileExtension(request.fieldBookPath);
    if (!IsFieldBookExtension(extension)) {
        throw platform::UserMessage(FieldBookExtensionMessage(extension));
    }

    PreparedKnownPoints prepared{station, NewPunotiGrid()};
    platform::TextGrid sdr = NewSdrGrid();
    LoadFieldBook(request.fieldBookPath, station.op_, sdr);
    prepared.readings = sdr.RowCount() - 1;
    if (prepared.readings == 0) {
        throw platform::UserMessage(NoReadingsMessage(station.op_, request.fieldBookPath));
    }

    platform::TextGrid coordi = NewCoordiGrid();
    LoadCoordinates(request.coordinatesPath, coordi);
    prepared.coordinates = coordi.RowCount() - 1;
    if (!TransferToKnownPoints(coordi, sdr, prepared.punoti) || prepared.punoti.RowCount() < 2) {
        throw platform::UserMessage(NoPairsMessage(station.op_, request.coordinatesPath));
    }

    std::unordered_set<std::string_view> located;
    for (int r = 1; r < coordi.RowCount(); ++r) {
        located.insert(coordi.Cell(PointCoordinate::kPoint, r));
    }
    for (int r = 1; r < sdr.RowCount(); ++r) {
        prepared.unpairedReadings += located.contains(sdr.Cell(StationReading::kPoint, r)) ? 0 : 1;
    }
    return prepared;
}

PreparedKnownPoints PrepareKnownPointsFile(const PrepareRequest& request,
                                           const std::string& outputPath) {
    PreparedKnownPoints prepared = PrepareKnownPoints(request);
    SaveKnownPoints(outputPath, prepared.station, prepared.punoti);
    return prepared;
}

}  // namespace ortix
