#include "platform/gui/FontDialog.h"

#include "platform/gui/DialogService.h"

bool TFontDialog::Execute()
{
    qx::FontChoice initial;
    initial.name = font_.Name;
    initial.height = font_.Height();
    initial.color = ColorToRGB(font_.Color);
    initial.bold = font_.Style & fsBold;
    initial.italic = font_.Style & fsItalic;
    initial.underline = font_.Style & fsUnderline;
    initial.strikeOut = font_.Style & fsStrikeOut;
    initial.charset = font_.Charset;
    const auto chosen = qx::dialogs().chooseFont(initial);
    if (!chosen)
        return false;
    if (!qx::sameText(chosen->name, font_.Name))
        font_.Charset = static_cast<std::uint8_t>(chosen->charset);
    font_.Name = chosen->name;
    font_.SetHeight(chosen->height);
    font_.Color = chosen->color;
    font_.Style = static_cast<TFontStyles>((chosen->bold ? fsBold : 0) | (chosen->italic ? fsItalic : 0) |
                                           (chosen->underline ? fsUnderline : 0) | (chosen->strikeOut ? fsStrikeOut : 0));
    return true;
}
