#include "controls/plot/plot/iPlotLog.h"

#include "controls/plot/base/iPlotError.h"

#include <fstream>

void TiPlotLog::Open(const std::string& FileName, bool Append, TiPlotDataFileFormat Format, char Separator,
                     const TiPlotDataFile::Channels& Channels)
{
    FFileName = FileName;
    FFormat = Format;
    FSeparator = Separator;
    FFileRows = 0;
    std::string existing;
    if (Append) {
        // Opened for reading and writing, so a missing file is refused here.
        std::fstream file(FileName, std::ios::in | std::ios::out | std::ios::binary);
        if (!file)
            throw EiPlotError("Cannot open file \"" + FileName + "\"");
        file.close();
        existing = ReadFileBytes(FileName);
    } else {
        std::ofstream file(FileName, std::ios::binary | std::ios::trunc);
        if (!file)
            throw EiPlotError("Cannot create file \"" + FileName + "\"");
    }
    if (existing.empty()) {
        AppendBytes(Format == ipdffText
                        ? TiPlotDataFile::TextLogHeader(Channels, Separator)
                        : TiPlotDataFile::CompactIntervalHeader(static_cast<int>(Channels.size())));
        return;
    }
    if (Format != ipdffCompactInterval)
        return;
    int count = 0;
    std::size_t dataBytes = 0;
    if (!TiPlotDataFile::CompactIntervalLayout(existing, count, dataBytes) ||
        count != static_cast<int>(Channels.size()))
        throw EiPlotError(iPlotLogText::ChannelsDiffer);
    const std::size_t firstRow = 8 * static_cast<std::size_t>(count);
    FFileRows = dataBytes == 0 ? 0 : dataBytes <= firstRow ? 1 : 2;
}

void TiPlotLog::WriteRows(const TiPlotDataFile::Channels& Channels, int First, int Rows)
{
    std::string bytes;
    int fileRows = FFileRows;
    for (int r = 0; r < Rows; ++r) {
        const int p = First + r;
        if (FFormat == ipdffText)
            bytes += TiPlotDataFile::TextLogRow(Channels, p, FSeparator);
        else
            bytes += TiPlotDataFile::CompactIntervalRow(Channels, p, fileRows < 2);
        if (fileRows < 2)
            ++fileRows;
    }
    AppendBytes(bytes);
    FFileRows = fileRows;
}

void TiPlotLog::AppendBytes(const std::string& Bytes) const
{
    std::fstream file(FFileName, std::ios::in | std::ios::out | std::ios::binary);
    if (!file)
        throw EiPlotError("Cannot open file \"" + FFileName + "\"");
    file.seekp(0, std::ios::end);
    file.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    if (!file.flush())
        throw EiPlotError("Cannot write file \"" + FFileName + "\"");
}
