#include "controls/plot/plot/iPlotDataFile.h"

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPropertyText.h"
#include "controls/plot/objects/iPlotChannelCustom.h"

#include "platform/gui/Strings.h"
#include "platform/text/NumberText.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

constexpr float kMissing = 1e38f;
constexpr float kEndMarker = 2e38f;
// What a reader takes for the end marker, and the bound below which a value is data.
constexpr float kEndBound = 1.5e38f;
constexpr float kDataBound = 9e37f;

bool endsWithNoCase(const std::string& Text, const std::string& Tail)
{
    return Text.size() >= Tail.size() && qx::plot::UpperCase(Text.substr(Text.size() - Tail.size())) == Tail;
}

std::vector<std::string> split(const std::string& Line, char Separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = Line.find(Separator, start)) != std::string::npos; start = at + 1)
        fields.push_back(Line.substr(start, at - start));
    fields.push_back(Line.substr(start));
    return fields;
}

std::vector<std::string> lines(const std::string& Bytes)
{
    TStringList list;
    list.SetText(Bytes);
    return list.Lines();
}

void appendFloat(std::string& Bytes, float Value)
{
    const auto bits = std::bit_cast<std::uint32_t>(Value);
    for (int shift = 0; shift < 32; shift += 8)
        Bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

/// A value narrowed for the compact-interval format; refused when a float cannot hold it or
/// a reader would take it for the missing value or the end marker.
float narrowed(double Value)
{
    if (!std::isfinite(Value) || Value < -static_cast<double>(FLT_MAX) ||
        Value >= static_cast<double>(kDataBound))
        throw EiPlotError(iPlotDataFileText::OutOfRange);
    return static_cast<float>(Value);
}

int maxCount(const TiPlotDataFile::Channels& Channels)
{
    int rows = 0;
    for (const TiPlotChannelCustom* channel : Channels)
        rows = std::max(rows, channel->Count());
    return rows;
}

bool holds(const TiPlotChannelCustom& Channel, int P)
{
    return P >= 0 && P < Channel.Count();
}

std::string yText(const TiPlotChannelCustom& Channel, int P)
{
    if (Channel.DataNull(P))
        return "Null";
    if (Channel.DataEmpty(P))
        return "Empty";
    return PlotFileNumber(Channel.DataY(P));
}

/// A Y column as written: "Null" and "Empty" (any case) or a number; false for an empty
/// column, which adds no point.
bool readY(const std::string& Field, double X, TiPlotFilePoint& Point)
{
    const std::string text = qx::plot::Trim(Field);
    if (text.empty())
        return false;
    const std::string key = qx::plot::UpperCase(text);
    Point = {X, 0, key == "NULL", key == "EMPTY"};
    if (!Point.Null && !Point.Empty)
        Point.Y = ReadPlotFileNumber(text);
    return true;
}

/// The header line of a compact-interval file ends at its LF; the CR before it is dropped.
std::optional<std::string> headerLine(const std::string& Bytes, std::size_t& Offset)
{
    const std::size_t end = Bytes.find('\n', Offset);
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = Bytes.substr(Offset, end - Offset);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    Offset = end + 1;
    return line;
}

TiPlotDataFile::Points readText(const std::vector<std::string>& Lines, int ChannelCount)
{
    TiPlotDataFile::Points points(static_cast<std::size_t>(ChannelCount));
    if (Lines.empty())
        return points;
    const char separator = Lines.front().find('\t') != std::string::npos ? '\t' : ',';
    // A log shares one X column: its header starts with "(X)" and no other column ends so.
    const std::vector<std::string> header = split(Lines.front(), separator);
    bool log = qx::plot::UpperCase(qx::plot::Trim(header.front())) == "(X)";
    for (std::size_t k = 1; log && k < header.size(); ++k)
        log = !endsWithNoCase(qx::plot::Trim(header[k]), "(X)");
    for (std::size_t n = 1; n < Lines.size(); ++n) {
        const std::vector<std::string> fields = split(Lines[n], separator);
        if (log) {
            const std::string xText = qx::plot::Trim(fields.front());
            if (xText.empty())
                continue;
            const double x = ReadPlotFileNumber(xText);
            for (std::size_t k = 0; k < points.size() && k + 1 < fields.size(); ++k) {
                TiPlotFilePoint point;
                if (readY(fields[k + 1], x, point))
                    points[k].push_back(point);
            }
            continue;
        }
        for (std::size_t k = 0; k < fields.size() / 2 && k < points.size(); ++k) {
            const std::string xText = qx::plot::Trim(fields[2 * k]);
            if (xText.empty())
                continue;
            TiPlotFilePoint point;
            if (readY(fields[2 * k + 1], ReadPlotFileNumber(xText), point))
                points[k].push_back(point);
        }
    }
    return points;
}

class FloatReader
{
public:
    FloatReader(const std::string& Bytes, std::size_t Offset) : FBytes(Bytes), FOffset(Offset) {}
    bool AtEnd() const { return FOffset >= FBytes.size(); }
    float Next()
    {
        if (FBytes.size() - FOffset < 4)
            throw EiPlotError(iPlotDataFileText::InvalidData);
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= std::uint32_t{static_cast<unsigned char>(FBytes[FOffset + static_cast<std::size_t>(i)])}
                    << (8 * i);
        FOffset += 4;
        return std::bit_cast<float>(bits);
    }

private:
    const std::string& FBytes;
    std::size_t FOffset;
};

TiPlotDataFile::Points readCompactInterval(const std::string& Bytes, int ChannelCount)
{
    int fileChannels = 0;
    std::size_t dataBytes = 0;
    if (!TiPlotDataFile::CompactIntervalLayout(Bytes, fileChannels, dataBytes))
        throw EiPlotError(iPlotDataFileText::InvalidData);
    TiPlotDataFile::Points points(static_cast<std::size_t>(ChannelCount));
    // The X of rows 2 on is not in the file: it goes on at the interval of rows 0 and 1.
    std::vector<std::optional<double>> x0(points.size()), x1(points.size());
    FloatReader reader(Bytes, Bytes.size() - dataBytes);
    for (long long row = 0; !reader.AtEnd(); ++row)
        for (int i = 0; i < fileChannels; ++i) {
            const auto channel = static_cast<std::size_t>(i);
            const bool kept = channel < points.size();
            std::optional<double> x;
            if (row < 2) {
                const float fx = reader.Next();
                if (fx > kEndBound)
                    return points;
                if (fx < kDataBound)
                    x = fx;
                if (kept)
                    (row == 0 ? x0 : x1)[channel] = x;
            } else if (kept && x0[channel] && x1[channel]) {
                x = *x0[channel] + static_cast<double>(row) * (*x1[channel] - *x0[channel]);
            }
            const float y = reader.Next();
            if (y > kEndBound)
                return points;
            if (kept && x && y < kDataBound)
                points[channel].push_back({*x, y, false, false});
        }
    return points;
}

} // namespace

std::string TiPlotDataFile::Text(const Channels& Channels, char Separator)
{
    std::string text;
    for (std::size_t c = 0; c < Channels.size(); ++c) {
        if (c > 0)
            text += Separator;
        const std::string& title = Channels[c]->TitleText();
        text += title + "(X)" + Separator + title + "(Y)";
    }
    text += "\r\n";
    const int rows = maxCount(Channels);
    for (int p = 0; p < rows; ++p) {
        for (std::size_t c = 0; c < Channels.size(); ++c) {
            if (c > 0)
                text += Separator;
            const TiPlotChannelCustom& channel = *Channels[c];
            if (holds(channel, p))
                text += PlotFileNumber(channel.DataX(p)) + Separator + yText(channel, p);
            else
                text += Separator;
        }
        text += "\r\n";
    }
    return text;
}

std::string TiPlotDataFile::CompactInterval(const Channels& Channels)
{
    std::string bytes = CompactIntervalHeader(static_cast<int>(Channels.size()));
    const int rows = maxCount(Channels);
    for (int p = 0; p < rows; ++p)
        bytes += CompactIntervalRow(Channels, p, p < 2);
    appendFloat(bytes, kEndMarker);
    return bytes;
}

TiPlotDataFile::Points TiPlotDataFile::Read(const std::string& Bytes, int ChannelCount)
{
    std::size_t offset = 0;
    const std::optional<std::string> first = headerLine(Bytes, offset);
    std::string firstLine = first ? *first : Bytes;
    if (!firstLine.empty() && firstLine.back() == '\r')
        firstLine.pop_back();
    if (qx::plot::UpperCase(firstLine) == qx::plot::UpperCase(iPlotDataFileText::CompactIntervalHeader))
        return readCompactInterval(Bytes, ChannelCount);
    return readText(lines(Bytes), ChannelCount);
}

std::string TiPlotDataFile::TextLogHeader(const Channels& Channels, char Separator)
{
    std::string text = "(X)";
    for (const TiPlotChannelCustom* channel : Channels)
        text += Separator + channel->TitleText() + "(Y)";
    return text + "\r\n";
}

std::string TiPlotDataFile::CompactIntervalHeader(int ChannelCount)
{
    return std::string(iPlotDataFileText::CompactIntervalHeader) + "\r\n" + std::to_string(ChannelCount) +
           "\r\n";
}

std::string TiPlotDataFile::TextLogRow(const Channels& Channels, int P, char Separator)
{
    std::string text = !Channels.empty() && holds(*Channels.front(), P)
                           ? PlotFileNumber(Channels.front()->DataX(P))
                           : std::string();
    for (const TiPlotChannelCustom* channel : Channels) {
        text += Separator;
        if (holds(*channel, P))
            text += yText(*channel, P);
    }
    return text + "\r\n";
}

std::string TiPlotDataFile::CompactIntervalRow(const Channels& Channels, int P, bool WithX)
{
    std::string bytes;
    for (const TiPlotChannelCustom* channel : Channels) {
        const bool held = holds(*channel, P);
        if (WithX)
            appendFloat(bytes, held ? narrowed(channel->DataX(P)) : kMissing);
        appendFloat(bytes, held ? narrowed(channel->DataY(P)) : kMissing);
    }
    return bytes;
}

bool TiPlotDataFile::CompactIntervalLayout(const std::string& Bytes, int& ChannelCount,
                                           std::size_t& DataBytes)
{
    std::size_t offset = 0;
    const std::optional<std::string> first = headerLine(Bytes, offset);
    if (!first ||
        qx::plot::UpperCase(*first) != qx::plot::UpperCase(iPlotDataFileText::CompactIntervalHeader))
        return false;
    const std::optional<std::string> second = headerLine(Bytes, offset);
    if (!second)
        return false;
    const std::string count = qx::plot::Trim(*second);
    ChannelCount = StrToInt(count);
    // A row of no channel would never end the reading.
    if (ChannelCount < 1)
        throw EiPlotError(iPlotDataFileText::InvalidData);
    DataBytes = Bytes.size() - offset;
    return true;
}

std::string ReadFileBytes(const std::string& FileName)
{
    std::ifstream in(FileName, std::ios::binary);
    if (!in)
        throw EiPlotError("Cannot open file \"" + FileName + "\"");
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw EiPlotError("Cannot read file \"" + FileName + "\"");
    return bytes;
}
