#pragma once
// TiPlotLog: the file side of a plot's log. Opening creates the file with its header, or
// keeps an existing one for appending; each write appends rows of the channels' points in
// the text or the compact-interval form. The compact form writes X only into the file's
// first two rows, whichever session writes them, so rows appended later stay in step.

#include "controls/plot/plot/iPlotDataFile.h"

#include <string>

namespace iPlotLogText {
inline constexpr const char* ChannelsDiffer = "Log File does not hold the Plot's Channels";
} // namespace iPlotLogText

class TiPlotLog
{
public:
    /// Append keeps an existing file (it must exist; an empty one gets the header). A
    /// compact-interval file must hold the channels' count (ChannelsDiffer otherwise).
    void Open(const std::string& FileName, bool Append, TiPlotDataFileFormat Format, char Separator,
              const TiPlotDataFile::Channels& Channels);
    /// Appends the rows of point indexes First .. First + Rows - 1; the bytes are made before
    /// the file is touched, so a refused value writes nothing.
    void WriteRows(const TiPlotDataFile::Channels& Channels, int First, int Rows);

private:
    void AppendBytes(const std::string& Bytes) const;

    std::string FFileName;
    TiPlotDataFileFormat FFormat = ipdffText;
    char FSeparator = '\t';
    /// Rows already in the file (counted up to 2: only the first two carry X).
    int FFileRows = 0;
};
