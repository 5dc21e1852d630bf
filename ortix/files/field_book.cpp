#include "ortix/files/field_book.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/survey/trig.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ortix {
namespace {

using platform::TextGrid;

// Where a field of an SDR record stands: position counted from 1, width in characters.
struct SdrField {
    size_t pos;
    size_t width;
};

// The six fields of an observation record in the order station, target, slope distance, zenith,
// horizontal reading, description.
struct SdrLayout {
    SdrField station, target, slope, zenith, horizontal, description;
};

constexpr SdrLayout kSdr20 = {{5, 4}, {9, 4}, {13, 10}, {23, 10}, {33, 10}, {43, 16}};
constexpr SdrLayout kSdr33 = {{5, 16}, {21, 16}, {37, 16}, {53, 16}, {69, 16}, {85, 16}};

const SdrLayout* LayoutOf(std::string_view version) {
    if (version == "20") {
        return &kSdr20;
    }
    if (version == "33") {
        return &kSdr33;
    }
    return nullptr;
}

std::string_view Untrimmed(std::string_view record, SdrField f) {
    if (record.size() < f.pos) {
        return {};
    }
    return record.substr(f.pos - 1, f.width);
}

std::string_view TrimSpaces(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) {
        return {};
    }
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string_view Trimmed(std::string_view record, const SdrLayout* layout,
                         SdrField SdrLayout::*field) {
    return layout == nullptr ? std::string_view() : TrimSpaces(Untrimmed(record, layout->*field));
}

std::string_view SlopeDistanceOf(std::string_view record, const SdrLayout& layout) {
    const std::string_view raw = Untrimmed(record, layout.slope);
    if (raw.size() == layout.slope.width && raw.find_first_not_of(' ') == std::string_view::npos) {
        return "0.00";
    }
    return TrimSpaces(raw);
}

const platform::FloatFormat kDistanceFormat("0.000");
const platform::FloatFormat kConvertedAngleFormat("0.00000000");

// Slope distance x sine of the zenith: the horizontal distance of the sight.
std::string ReducedDistance(double slopeDistance, double zenithGon) {
    return kDistanceFormat(slopeDistance * SinGon(zenithGon));
}

// The angle unit of an SDR field book, from character 41 of its header.
struct AngleUnit {
    bool convert = false;  // false: the readings are gon and are copied as written
    double gonPerUnit = 1;
};

AngleUnit AngleUnitOf(std::string_view header) {
    const char code = header.size() < 41 ? ' ' : header[40];
    switch (code) {
        case ' ':
        case '2':
            return {};
        case '1':
            return {true, 400.0 / 360.0};
        case '3':
            return {true, 400.0 / 6400.0};
        default:
            throw platform::UserMessage("Unit\xE0 angolare del libretto non riconosciuta (" +
                                        std::string(1, code) + ")!!");
    }
}

std::string_view WithoutStx(std::string_view line) {
    while (!line.empty() && line.front() == '\x02') {
        line.remove_prefix(1);
    }
    return line;
}

// A table with the title row of `table` and `dataRows` empty data rows.
TextGrid FreshTable(const TextGrid& table, int dataRows) {
    if (table.ColCount() < StationReading::kColumnCount) {
        throw platform::ListIndexError(StationReading::kColumnCount - 1);
    }
    TextGrid fresh(table.ColCount(), dataRows + 1);
    if (table.RowCount() > 0) {
        std::ranges::copy(table.Row(0), fresh.Row(0).begin());
    }
    return fresh;
}

bool ReadSdr(const std::vector<std::string_view>& lines, const std::string& station, TextGrid& sdr,
             const Progress& progress) {
    if (lines.empty()) {
        throw platform::ListIndexError(0);
    }
    size_t headerLine = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (WithoutStx(lines[i]).starts_with("00")) {
            headerLine = i;
            break;
        }
    }
    const std::string_view header = WithoutStx(lines[headerLine]);
    const std::string_view version = header.size() > 7 ? header.substr(7, 2) : std::string_view();

    std::vector<std::string_view> records;
    AngleUnit unit;
    if (LayoutOf(version) != nullptr) {
        unit = AngleUnitOf(header);
        ProgressTicker ticker(progress, 2 * lines.size());
        for (size_t i = headerLine + 1; i < lines.size(); ++i) {
            if (!ticker.Continue(i)) {
                return false;
            }
            if (lines[i].starts_with("09") && SdrStationName(lines[i], version) == station) {
                records.push_back(lines[i]);
            }
        }
    }

    TextGrid fresh = FreshTable(sdr, static_cast<int>(records.size()));
    ProgressTicker ticker(progress, 2 * records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        if (!ticker.Continue(records.size() + i)) {
            return false;
        }
        const std::string_view record = records[i];
        const std::span<std::string> row = fresh.Row(static_cast<int>(i) + 1);
        const std::string_view horizontal = SdrHorizontalReading(record, version);
        const std::string_view zenith = SdrZenithReading(record, version);
        const std::string_view slope = SdrSlopeDistance(record, version);
        row[StationReading::kPoint] = SdrTargetName(record, version);
        double zenithGon = 0;
        if (unit.convert) {
            // An empty horizontal reading stays empty, as it does in gon.
            if (!horizontal.empty()) {
                row[StationReading::kHorizontal] =
                    kConvertedAngleFormat(platform::StrToFloat(horizontal) * unit.gonPerUnit);
            }
            zenithGon = platform::StrToFloat(zenith) * unit.gonPerUnit;
            row[StationReading::kZenith] = kConvertedAngleFormat(zenithGon);
        } else {
            row[StationReading::kHorizontal] = horizontal;
            row[StationReading::kZenith] = zenith;
            zenithGon = platform::StrToFloat(zenith);
        }
        row[StationReading::kSlopeDistance] = slope;
        row[StationReading::kReducedDistance] =
            ReducedDistance(platform::StrToFloat(slope), zenithGon);
        row[StationReading::kDescription] = SdrDescription(record, version);
    }
    sdr = std::move(fresh);
    return true;
}

// The first fields of a Pregeo record, split on "|" as TakeField splits: asking for a field
// beyond the last gives the last again ('2|A|10.5' has distance 10.5).
class PregeoRecord {
  public:
    explicit PregeoRecord(std::string_view line) {
        while (count_ < fields_.size()) {
            const size_t p = line.find('|');
            if (p == std::string_view::npos) {
                fields_[count_++] = line;
                return;
            }
            fields_[count_++] = line.substr(0, p);
            line.remove_prefix(p + 1);
        }
    }
    // Field n, counted from 1.
    std::string_view operator[](size_t n) const { return fields_[std::min(n, count_) - 1]; }
    // Whether the record holds field n, empty or not.
    bool Has(size_t n) const { return n <= count_; }

  private:
    std::array<std::string_view, 7> fields_{};
    size_t count_ = 0;
};

bool ReadPregeo(const std::vector<std::string_view>& lines, const std::string& station,
                TextGrid& sdr, const Progress& progress) {
    std::vector<std::string_view> readings;
    ProgressTicker scan(progress, 2 * lines.size());
    bool inRun = false;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (!scan.Continue(k)) {
            return false;
        }
        const PregeoRecord record(lines[k]);
        if (inRun && record[1] == "2") {
            if (record[3].find(',') == std::string_view::npos) {
                readings.push_back(lines[k]);
            }
            continue;
        }
        // The record that ends a run may itself start one: a station that follows its own
        // readings right away is read too.
        inRun = record[1] == "1" && record[2] == station;
    }

    TextGrid fresh = FreshTable(sdr, static_cast<int>(readings.size()));
    ProgressTicker ticker(progress, 2 * readings.size());
    for (size_t i = 0; i < readings.size(); ++i) {
        if (!ticker.Continue(readings.size() + i)) {
            return false;
        }
        const PregeoRecord record(readings[i]);
        const std::span<std::string> row = fresh.Row(static_cast<int>(i) + 1);
        row[StationReading::kPoint] = record[2];
        row[StationReading::kHorizontal] = record[3];
        double slope = 0;
        if (record.Has(5) && platform::TryStrToFloat(record[5], slope)) {
            row[StationReading::kZenith] = record[4];
            row[StationReading::kSlopeDistance] = record[5];
            row[StationReading::kReducedDistance] =
                ReducedDistance(slope, platform::StrToFloat(record[4]));
            if (record.Has(7)) {
                row[StationReading::kDescription] = record[7];
            }
        } else {
            row[StationReading::kZenith] = "100.0000";
            row[StationReading::kSlopeDistance] = record[4];
            row[StationReading::kReducedDistance] = record[4];
        }
    }
    sdr = std::move(fresh);
    return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

TextGrid NewSdrGrid() {
    TextGrid table(StationReading::kColumnCount, 2);
    SetTitleRow(table, kSdrHeader);
    return table;
}

void RequireStationName(std::string_view station) {
    if (station.empty()) {
        throw platform::UserMessage("Inserisci il nome della Stazione!!");
    }
}

std::string_view SdrStationName(std::string_view record, std::string_view version) {
    return Trimmed(record, LayoutOf(version), &SdrLayout::station);
}

std::string_view SdrTargetName(std::string_view record, std::string_view version) {
    return Trimmed(record, LayoutOf(version), &SdrLayout::target);
}

std::string_view SdrSlopeDistance(std::string_view record, std::string_view version) {
    const SdrLayout* layout = LayoutOf(version);
    return layout == nullptr ? std::string_view() : SlopeDistanceOf(record, *layout);
}

std::string_view SdrZenithReading(std::string_view record, std::string_view version) {
    return Trimmed(record, LayoutOf(version), &SdrLayout::zenith);
}

std::string_view SdrHorizontalReading(std::string_view record, std::string_view version) {
    return Trimmed(record, LayoutOf(version), &SdrLayout::horizontal);
}

std::string_view SdrDescription(std::string_view record, std::string_view version) {
    return Trimmed(record, LayoutOf(version), &SdrLayout::description);
}

bool ReadFieldBook(std::string_view bytes, std::string_view extension, const std::string& station,
                   TextGrid& sdr, const Progress& progress) {
    RequireStationName(station);
    if (EqualsIgnoringCase(extension, ".sdr")) {
        return ReadSdr(platform::SplitLineViews(bytes), station, sdr, progress);
    }
    if (EqualsIgnoringCase(extension, ".dat")) {
        return ReadPregeo(platform::SplitLineViews(bytes), station, sdr, progress);
    }
    sdr = FreshTable(sdr, 1);
    return true;
}

bool LoadFieldBook(const std::string& path, const std::string& station, TextGrid& sdr,
                   const Progress& progress) {
    RequireStationName(station);
    return ReadFieldBook(platform::ReadFileBytes(path), FileExtension(path), station, sdr,
                         progress);
}

bool IsFieldBookExtension(std::string_view extension) {
    return EqualsIgnoringCase(extension, ".sdr") || EqualsIgnoringCase(extension, ".dat");
}

std::string_view FileExtension(std::string_view path) {
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    return path.substr(dot);
}

}  // namespace ortix
