// Settings-file persistence of the fill: decimal values, enumerations as ordinals, pictures as
// upper-case hex text with the number of hex characters under a key of its own.

#include "controls/skinned/GDIPFill.h"

#include "platform/gui/IniFile.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/text/EConvertError.h"

#include <cctype>

namespace qx {

std::string StreamToHexText(const Bytes& bytes) { return hexText(bytes); }

namespace {

int hexDigit(char c)
{
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    throw EConvertError("No Hex-Number");
}

} // namespace

Bytes HexTextToStream(const std::string& text, std::size_t length)
{
    Bytes bytes;
    const std::size_t pairs = std::min(length, text.size()) / 2;
    bytes.reserve(pairs);
    for (std::size_t i = 0; i < pairs; ++i)
        bytes.push_back(static_cast<std::uint8_t>(hexDigit(text[2 * i]) * 16 + hexDigit(text[2 * i + 1])));
    return bytes;
}

} // namespace qx

namespace {

// Key names of the two pictures' hex text and its length.
constexpr const char* kPicture = "Picture";
constexpr const char* kPictureLength = "PictureDataSize";
constexpr const char* kBackground = "BackgroundPicture";
constexpr const char* kBackgroundLength = "BackgroundPictureSize";

// Reads and writes one section; every value is an integer.
class Section
{
public:
    Section(TMemIniFile& ini, std::string name) : ini_(ini), name_(std::move(name)) {}

    void put(const char* key, long long value) const
    {
        ini_.WriteInteger(name_, key, static_cast<int>(value));
    }
    template <class T> void get(const char* key, T& field) const
    {
        field = static_cast<T>(ini_.ReadInteger(name_, key, static_cast<int>(field)));
    }
    // An enumeration keeps its value when the file's is out of range.
    template <class E> void getEnum(const char* key, E& field, int count) const
    {
        const int v = ini_.ReadInteger(name_, key, static_cast<int>(field));
        if (v >= 0 && v < count)
            field = static_cast<E>(v);
    }
    void putPicture(const char* key, const char* lengthKey, const TAdvGDIPPicture& picture) const
    {
        const std::string hex = picture.Empty() ? std::string() : qx::StreamToHexText(picture.Data());
        ini_.WriteString(name_, key, hex);
        put(lengthKey, static_cast<long long>(hex.size()));
    }
    void getPicture(const char* key, const char* lengthKey, TAdvGDIPPicture& picture) const
    {
        const int length = ini_.ReadInteger(name_, lengthKey, 0);
        if (length <= 0)
            return;
        picture.LoadFromStream(
            qx::HexTextToStream(ini_.ReadString(name_, key, ""), static_cast<std::size_t>(length)));
    }

private:
    TMemIniFile& ini_;
    std::string name_;
};

} // namespace

void TGDIPFill::SaveToFile(TMemIniFile& ini, const std::string& section) const
{
    const Section s(ini, section);
    const Settings& v = set_;
    s.put("Color", v.color);
    s.put("ColorTo", v.colorTo);
    s.put("ColorMirror", v.colorMirror);
    s.put("ColorMirrorTo", v.colorMirrorTo);
    s.put("GradientType", v.gradientType);
    s.put("GradientMirrorType", v.gradientMirrorType);
    s.put("HatchStyle", static_cast<int>(v.hatchStyle));
    s.put("HatchStyleMirror", static_cast<int>(v.hatchStyleMirror));
    s.put("BackGroundPictureMode", v.backGroundPictureMode);
    s.put("BackGroundPicturePosition", v.backGroundPicturePosition);
    s.put("BackGroundPictureLeft", v.backGroundPictureLeft);
    s.put("BackGroundPictureTop", v.backGroundPictureTop);
    s.put("PicturePosition", v.picturePosition);
    s.put("PictureLeft", v.pictureLeft);
    s.put("PictureTop", v.pictureTop);
    s.put("PictureSize", v.pictureSize);
    s.put("PictureWidth", v.pictureWidth);
    s.put("PictureHeight", v.pictureHeight);
    s.put("Opacity", v.opacity);
    s.put("OpacityTo", v.opacityTo);
    s.put("OpacityMirror", v.opacityMirror);
    s.put("OpacityMirrorTo", v.opacityMirrorTo);
    s.put("BorderColor", v.borderColor);
    s.put("BorderOpacity", v.borderOpacity);
    s.put("BorderWidth", v.borderWidth);
    s.put("Rounding", v.rounding);
    s.put("RoundingType", v.roundingType);
    s.put("ShadowOffset", v.shadowOffset);
    s.put("ShadowColor", v.shadowColor);
    s.put("Angle", v.angle);
    s.put("Glow", v.glow);
    s.put("GlowGradientColor", v.glowGradientColor);
    s.put("GlowRadialColor", v.glowRadialColor);
    s.putPicture(kPicture, kPictureLength, *picture_);
    s.putPicture(kBackground, kBackgroundLength, *backGroundPicture_);
}

void TGDIPFill::LoadFromFile(TMemIniFile& ini, const std::string& section)
{
    const Section s(ini, section);
    Settings& v = set_;
    constexpr int kHatchStyles = static_cast<int>(qx::gdiplus::HatchStyle::Total);
    s.get("Color", v.color);
    s.get("ColorTo", v.colorTo);
    s.get("ColorMirror", v.colorMirror);
    s.get("ColorMirrorTo", v.colorMirrorTo);
    s.getEnum("GradientType", v.gradientType, gtNone + 1);
    s.getEnum("GradientMirrorType", v.gradientMirrorType, gtNone + 1);
    s.getEnum("HatchStyle", v.hatchStyle, kHatchStyles);
    s.getEnum("HatchStyleMirror", v.hatchStyleMirror, kHatchStyles);
    s.getEnum("BackGroundPictureMode", v.backGroundPictureMode, pmOutsideFill + 1);
    s.getEnum("BackGroundPicturePosition", v.backGroundPicturePosition, ppCustom + 1);
    s.get("BackGroundPictureLeft", v.backGroundPictureLeft);
    s.get("BackGroundPictureTop", v.backGroundPictureTop);
    s.getEnum("PicturePosition", v.picturePosition, ppCustom + 1);
    s.get("PictureLeft", v.pictureLeft);
    s.get("PictureTop", v.pictureTop);
    s.getEnum("PictureSize", v.pictureSize, psCustom + 1);
    s.get("PictureWidth", v.pictureWidth);
    s.get("PictureHeight", v.pictureHeight);
    s.get("Opacity", v.opacity);
    s.get("OpacityTo", v.opacityTo);
    s.get("OpacityMirror", v.opacityMirror);
    s.get("OpacityMirrorTo", v.opacityMirrorTo);
    s.get("BorderColor", v.borderColor);
    s.get("BorderOpacity", v.borderOpacity);
    s.get("BorderWidth", v.borderWidth);
    s.get("Rounding", v.rounding);
    s.getEnum("RoundingType", v.roundingType, rtRight + 1);
    s.get("ShadowOffset", v.shadowOffset);
    s.get("ShadowColor", v.shadowColor);
    s.get("Angle", v.angle);
    s.getEnum("Glow", v.glow, gmRadialGradient + 1);
    s.get("GlowGradientColor", v.glowGradientColor);
    s.get("GlowRadialColor", v.glowRadialColor);
    BeginUpdate();
    try {
        s.getPicture(kPicture, kPictureLength, *picture_);
        s.getPicture(kBackground, kBackgroundLength, *backGroundPicture_);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    Changed();
}

void TGDIPFill::SaveToFile(const std::string& fileName, const std::string& section) const
{
    TMemIniFile ini(fileName);
    SaveToFile(ini, section);
    ini.UpdateFile();
}

void TGDIPFill::LoadFromFile(const std::string& fileName, const std::string& section)
{
    TMemIniFile ini(fileName);
    LoadFromFile(ini, section);
}
