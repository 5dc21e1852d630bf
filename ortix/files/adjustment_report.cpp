#include "ortix/files/adjustment_report.h"

#include "ortix/survey/myutil.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <span>

namespace ortix {
namespace {

constexpr int kNumberWidth = 10;

class ReportText {
  public:
    // One line, CR LF ended, from its pieces.
    template <typename... Pieces>
    void Line(const Pieces&... pieces) {
        (bytes_.append(pieces), ...);
        bytes_.append("\r\n");
    }
    void Separator() { Line(" "); }

    void PadLeftCell(std::string_view cell) { bytes_.append(PadLeft(cell, kNumberWidth, " ")); }

    // Column 0, one blank, column 1, then TAB before each further column.
    void TitleRow(std::span<const std::string> cells) {
        bytes_.append(cells[0]).append(" ").append(cells[1]);
        for (size_t col = 2; col < cells.size(); ++col) {
            bytes_.append("\t").append(cells[col]);
        }
        bytes_.append("\r\n");
    }

    // Column 0 as it is, one blank, then every further column padded to 10, TAB between them.
    void GridRow(std::span<const std::string> cells) {
        bytes_.append(cells[0]).append(" ");
        PadLeftCell(cells[1]);
        for (size_t col = 2; col < cells.size(); ++col) {
            bytes_.append("\t");
            PadLeftCell(cells[col]);
        }
        bytes_.append("\r\n");
    }

    void Grid(const platform::TextGrid& grid) {
        TitleRow(grid.Row(0));
        for (int r = 1; r < grid.RowCount(); ++r) {
            GridRow(grid.Row(r));
        }
    }

    // The name padded to 25 runs straight into the north value.
    void KnownPointRow(std::span<const std::string> cells) {
        bytes_.append(PadRight(cells[0], kPointNameWidth, " "));
        PadLeftCell(cells[1]);
        for (size_t col = 2; col < 6; ++col) {
            bytes_.append("\t");
            PadLeftCell(cells[col]);
        }
        bytes_.append("\r\n");
    }

    void Reserve(size_t size) { bytes_.reserve(size); }
    std::string Take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

void NormaliseKnownPointRow(std::span<std::string> cells, const platform::FloatFormat& f4) {
    for (size_t col = 1; col < 6; ++col) {
        const double value = platform::StrToFloat(cells[col]);
        cells[col].clear();
        f4.AppendTo(cells[col], value);
    }
}

void RequireColumns(const platform::TextGrid& grid, int columns) {
    if (grid.ColCount() < columns) {
        throw platform::ListIndexError(grid.ColCount());
    }
}

}  // namespace

std::string BuildAdjustmentReport(std::string_view titleText, std::string_view versionText,
                                  const StationTexts& station, platform::TextGrid& punoti,
                                  const AdjustmentDisplay& display) {
    RequireColumns(punoti, 6);
    RequireColumns(display.Matrice, 2);
    RequireColumns(display.Risultati, 2);
    const platform::FloatFormat f4("0.0000");
    const std::string tab = "\t";
    ReportText out;
    // About 100 bytes a table row.
    out.Reserve(2048 + 100 * static_cast<size_t>(punoti.RowCount() + display.Matrice.RowCount() +
                                                 display.Risultati.RowCount()));

    out.Line(titleText);
    out.Separator();
    out.Line(versionText, kReportCredit);
    out.Separator();
    out.Line("DATI DI PARTENZA");
    out.Separator();
    out.Line("Nome Stazione : ", station.op_);
    out.Line("X/N provvisorie : ", station.xp_);
    out.Line("Y/E provvisorie : ", station.yp_);
    out.Line("PUNTI NOTI ED ELEMENTI OSSERVATI :");
    out.Separator();
    out.TitleRow(punoti.Row(0).first(6));
    for (int r = 1; r < punoti.RowCount(); ++r) {
        const std::span<std::string> cells = punoti.Row(r);
        NormaliseKnownPointRow(cells, f4);
        out.KnownPointRow(cells);
    }
    out.Separator();
    out.Line("Punti Noti : ", platform::IntToStr(punoti.RowCount() - 1), tab,
             " Dir. Interne : ", display.ni_, tab, " Anom. Esterne : ", display.ne_, tab,
             " Lati : ", display.nl_, tab,
             " Equazioni : ", platform::IntToStr(display.Matrice.RowCount() - 1));
    out.Separator();
    out.Line("Matrice delle equazioni");
    out.Separator();
    out.Grid(display.Matrice);
    out.Separator();
    out.Line("Punto Compensato");
    out.Separator();
    out.Line("Errore Medio delle misure: ", display.ema_);
    out.Separator();
    out.Line("X/N compensata : ", display.x_, tab, " Errore medio : ", display.emx_);
    out.Separator();
    out.Line("Y/E compensata : ", display.Y_, tab, " Errore medio : ", display.EMY_);
    out.Separator();
    out.Line("Disorientamento compensato: ", display.z_);
    out.Separator();
    out.Line("Ellisse d'errore :");
    out.Separator();
    out.Line("Coefficiente di covarianza : ", display._men);
    out.Line("Angolo teta : ", display._teta, tab, "semiasse magg : ", display._semag, tab,
             "semiasse min : ", display._semin);
    out.Separator();
    out.Line("Dati Compensati");
    out.Separator();
    out.Grid(display.Risultati);
    return out.Take();
}

void WriteAdjustmentReport(const std::string& path, const std::string& titleText,
                           const std::string& versionText, const StationTexts& station,
                           platform::TextGrid& punoti, const AdjustmentDisplay& display) {
    platform::WriteFileAtomic(
        path, BuildAdjustmentReport(titleText, versionText, station, punoti, display));
}

}  // namespace ortix
