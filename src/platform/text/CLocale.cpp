#include "platform/text/CLocale.h"

namespace qx {

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

}  // namespace qx
