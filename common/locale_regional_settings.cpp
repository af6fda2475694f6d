#include "common/locale_regional_settings.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace corvane {

char LocaleRegionalSettings::decimalSeparator() {
    // Query the user's locale without switching the process's own: number formatting elsewhere stays "C".
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return ',';
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    char separator = radix && (radix[0] == '.' || radix[0] == ',') ? radix[0] : ',';
    freelocale(user);
    return separator;
}

} // namespace corvane
