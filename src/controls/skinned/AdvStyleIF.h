#pragma once
// The visual styles of the control family (ordinal order as stored). No control of the program
// has a property of this type.

enum TVokStyle
{
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};
