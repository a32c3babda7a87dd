#pragma once
// TiPlotDataFile: the plot's data files and the rows of its log, in the two formats. A text
// file is a table with two columns a channel (X, Y); a text log shares one X column. A
// compact-interval file is binary after two text header lines: per channel X and Y as
// 32-bit floats in rows 0 and 1, Y alone in later rows, 1e38 for a missing value, 2e38 as the
// end marker (data files only). Reading gives the points per channel and changes no channel,
// so a caller applies them only when the whole file was read.

#include <string>
#include <vector>

class TiPlotChannelCustom;

enum TiPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
enum TiPlotDataFileFormat { ipdffText, ipdffCompactInterval };

/// One point as a data file holds it.
struct TiPlotFilePoint
{
    double X = 0;
    double Y = 0;
    bool Null = false;
    bool Empty = false;
    bool operator==(const TiPlotFilePoint&) const = default;
};

namespace iPlotDataFileText {
inline constexpr const char* CompactIntervalHeader = "Compact Interval";
inline constexpr const char* InvalidData = "Invalid Data";
inline constexpr const char* OutOfRange = "Value out of Range for the Compact Interval Format";
} // namespace iPlotDataFileText

class TiPlotDataFile
{
public:
    using Channels = std::vector<TiPlotChannelCustom*>;
    using Points = std::vector<std::vector<TiPlotFilePoint>>;

    /// The file's bytes for the channels' points. Compact interval refuses a value that a
    /// 32-bit float cannot hold or that would read back as a marker (OutOfRange).
    static std::string Text(const Channels& Channels, char Separator);
    static std::string CompactInterval(const Channels& Channels);

    /// The points of a data file or log for the first ChannelCount channels; throws the
    /// conversion error of a bad number, InvalidData for a broken compact-interval file.
    static Points Read(const std::string& Bytes, int ChannelCount);

    // ---- Log ----
    static std::string TextLogHeader(const Channels& Channels, char Separator);
    static std::string CompactIntervalHeader(int ChannelCount);
    /// The row of point index P of every channel (a channel without point P gives the
    /// missing value).
    static std::string TextLogRow(const Channels& Channels, int P, char Separator);
    /// With WithX the X of each channel goes before its Y (the file's rows 0 and 1).
    static std::string CompactIntervalRow(const Channels& Channels, int P, bool WithX);
    /// The number of data bytes after the two header lines of a compact-interval file, and
    /// its channel count; false when the bytes do not start with such a header.
    static bool CompactIntervalLayout(const std::string& Bytes, int& ChannelCount, std::size_t& DataBytes);
};

/// The whole file as bytes; throws EiPlotError when it cannot be read.
std::string ReadFileBytes(const std::string& FileName);
