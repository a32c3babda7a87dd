#include "model/FirCoefficientFile.h"

#include "model/FileStore.h"
#include "platform/text/CNumberReader.h"

#include <cmath>

namespace qx {

namespace {

constexpr std::string_view kCoefficientError = "SID_INFO_ERROR_FIR_COEFF";
constexpr std::string_view kTooManyError = "SID_INFO_ERROR_TAP_OVER_2048";
constexpr std::uint8_t kNumberSkipMark = 0x7F;

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

} // namespace

FirFileRead parseFirCoefficients(std::span<const std::uint8_t> text)
{
    FirFileRead read;
    std::string number;
    bool infinite = false;
    const auto endNumber = [&] {
        if (!number.empty() && static_cast<std::uint8_t>(number.front()) != kNumberSkipMark) {
            const auto value = static_cast<float>(CLocaleAtof(number));
            infinite = infinite || !std::isfinite(value);
            if (read.count < kMaxFirCoefficients)
                read.values.push_back(value);
            ++read.count;
        }
        number.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint8_t b = text[i];
        if (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            b = text[++i]; // text mode: CR LF is one line end
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
    // A number beyond the float range would reach the processor as infinity.
    if (infinite)
        return refused(FirFileStatus::BadText, kCoefficientError, read.count);
    if (read.count > kMaxFirCoefficients)
        return refused(FirFileStatus::TooMany, kTooManyError, read.count);
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
