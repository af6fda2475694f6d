#pragma once
// The regional settings of a POSIX system: the user's numeric locale.
#include "common/platform.h"

namespace corvane {

class LocaleRegionalSettings : public RegionalSettings {
  public:
    // The radix character of the user's LC_NUMERIC locale when it is "," or ".", otherwise ",".
    char decimalSeparator() override;
};

} // namespace corvane
