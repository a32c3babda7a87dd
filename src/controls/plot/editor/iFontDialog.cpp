#include "controls/plot/editor/iFontDialog.h"

#include "platform/gui/DialogService.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameFace(const std::string& A, const std::string& B)
{
    return std::equal(A.begin(), A.end(), B.begin(), B.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

bool TiFontDialog::Execute()
{
    qx::FontChoice initial;
    initial.name = FFont.Name;
    initial.height = FFont.Height();
    initial.color = static_cast<std::uint32_t>(ColorToRGB(FFont.Color));
    initial.bold = (FFont.Style & fsBold) != 0;
    initial.italic = (FFont.Style & fsItalic) != 0;
    initial.underline = (FFont.Style & fsUnderline) != 0;
    initial.strikeOut = (FFont.Style & fsStrikeOut) != 0;
    initial.charset = FFont.Charset;
    const std::string rememberedFace = FFont.Name;
    const auto chosen = qx::dialogs().chooseFont(initial);
    if (!chosen)
        return false;
    FFont.Color = static_cast<TColor>(chosen->color & 0xFFFFFF);
    FFont.Name = chosen->name;
    FFont.SetHeight(chosen->height);
    if (!SameFace(chosen->name, rememberedFace))
        FFont.Charset = static_cast<std::uint8_t>(chosen->charset);
    TFontStyles style = 0;
    if (chosen->bold)
        style |= fsBold;
    if (chosen->italic)
        style |= fsItalic;
    if (chosen->underline)
        style |= fsUnderline;
    if (chosen->strikeOut)
        style |= fsStrikeOut;
    FFont.Style = style;
    return true;
}
