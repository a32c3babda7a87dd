#pragma once

#include <locale.h>

namespace qx {

// The "C" locale, made once and kept for the life of the process.
locale_t CLocale();

// Makes the "C" locale the calling thread's locale while the scope lasts.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

}  // namespace qx
