#pragma once

/// The desktop theme engine as the class library's controls ask it: there
/// is no theme on this platform, so every themed branch takes its plain
/// drawing.
class TThemeServices
{
public:
    bool ThemesAvailable() const { return false; }
    bool ThemesEnabled() const { return false; }
};

/// The one theme-services object of the program.
inline TThemeServices* ThemeServices()
{
    static TThemeServices services;
    return &services;
}
