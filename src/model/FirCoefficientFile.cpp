#include "model/FirCoefficientFile.h"

#include "model/FileStore.h"
#include "platform/text/CNumberReader.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qx {

namespace {

constexpr std::string_view kCoefficientError = "SID_INFO_ERROR_FIR_COEFF";
constexpr std::string_view kTooManyError = "SID_INFO_ERROR_TAP_OVER_2048";
constexpr std::uint8_t kNumberSkipMark = 0x7F;
constexpr std::array<std::uint8_t, 3> kUtf8Mark = {0xEF, 0xBB, 0xBF};

enum class ByteKind
{
    Skipped,
    Separator,
    Text,
    Refused,
};

ByteKind kindOf(std::uint8_t b)
{
    if (b == 0x00)
        return ByteKind::Skipped;
    if (b == '\t' || b == '\n' || b == ',')
        return ByteKind::Separator;
    if (b <= 0x45 || b == 'e' || b == '~' || b == 0x7F || b == 0xFE || b == 0xFF)
        return ByteKind::Text;
    return ByteKind::Refused;
}

FirFileRead refused(FirFileStatus status, std::string_view textId, std::size_t count)
{
    FirFileRead read;
    read.status = status;
    read.textId = textId;
    read.count = count;
    return read;
}

bool startsWith(std::span<const std::uint8_t> text, std::span<const std::uint8_t> mark)
{
    return text.size() >= mark.size() && std::equal(mark.begin(), mark.end(), text.begin());
}

bool utf16Marked(std::span<const std::uint8_t> text)
{
    return text.size() >= 2 && ((text[0] == 0xFF && text[1] == 0xFE) || (text[0] == 0xFE && text[1] == 0xFF));
}

} // namespace

FirFileRead parseFirCoefficients(std::span<const std::uint8_t> text)
{
    if (utf16Marked(text))
        return refused(FirFileStatus::BadText, kCoefficientError, 0);
    if (startsWith(text, kUtf8Mark))
        text = text.subspan(kUtf8Mark.size());
    FirFileRead read;
    std::string number;
    bool unreadable = false;
    const auto endNumber = [&] {
        if (!number.empty() && static_cast<std::uint8_t>(number.front()) != kNumberSkipMark) {
            std::size_t consumed = 0;
            const auto value = static_cast<float>(CLocaleStrtod(number, &consumed));
            // No number in the text, or one the processor would take as infinity.
            unreadable = unreadable || consumed == 0 || !std::isfinite(value);
            if (read.count < kMaxFirCoefficients)
                read.values.push_back(value);
            ++read.count;
        }
        number.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint8_t b = text[i];
        if (b == '\r') {
            // Text mode: CR LF is one line end; a CR alone ends no line here.
            if (i + 1 == text.size() || text[i + 1] != '\n')
                return refused(FirFileStatus::BadText, kCoefficientError, read.count);
            b = text[++i];
        }
        switch (kindOf(b)) {
        case ByteKind::Skipped:
            break;
        case ByteKind::Separator:
            endNumber();
            break;
        case ByteKind::Text:
            if (number.size() == kMaxFirNumberText)
                return refused(FirFileStatus::BadText, kCoefficientError, read.count);
            number.push_back(static_cast<char>(b));
            break;
        case ByteKind::Refused:
            return refused(FirFileStatus::BadText, kCoefficientError, read.count);
        }
    }
    endNumber();
    if (unreadable || read.count == 0)
        return refused(FirFileStatus::BadText, kCoefficientError, read.count);
    if (read.count > kMaxFirCoefficients) {
        // The first 2048 values stay, for a caller that checks them first.
        read.status = FirFileStatus::TooMany;
        read.textId = kTooManyError;
    }
    return read;
}

FirFileRead readFirCoefficientFile(const std::filesystem::path& path)
{
    const FileRead file = readFileLimited(path, kMaxFirFileSize);
    if (!file.result.ok() || file.bytes.size() > kMaxFirFileSize)
        return refused(FirFileStatus::CannotOpen, kCoefficientError, 0);
    return parseFirCoefficients(file.bytes);
}

} // namespace qx
