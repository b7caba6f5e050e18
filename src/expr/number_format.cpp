#include "expr/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale.h>

namespace app {

namespace {

// printf in the C locale, whatever locale the program runs in.
class CLocaleScope {
public:
    CLocaleScope()
    {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
        if (cLocale)
            m_previous = uselocale(cLocale);
    }
    ~CLocaleScope()
    {
        if (m_previous)
            uselocale(m_previous);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous = locale_t(0);
};

std::string scientific(long double v)
{
    // "%.14Le" gives d.ddddddddddddddde+XX: rewritten with a sign column and four exponent digits.
    char mantissa[64];
    std::snprintf(mantissa, sizeof mantissa, "%.14Le", std::fabs(v));
    const char* e = std::strchr(mantissa, 'e');
    if (!e)
        return mantissa;
    const int exponent = std::atoi(e + 1);
    char text[64];
    std::snprintf(text, sizeof text, "%c%.*sE%c%04d", v < 0 ? '-' : ' ', int(e - mantissa), mantissa,
                  exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    return text;
}

}  // namespace

std::string calculatorNumberText(long double v)
{
    if (!std::isfinite(v))
        return std::string();
    CLocaleScope cLocale;
    if (std::fabs(v) >= 1000000.0L)
        return scientific(v);
    char text[64];
    if (std::fabs(v - std::trunc(v)) < 0.000001L) {
        std::snprintf(text, sizeof text, "%.0Lf", v);
        if (std::strcmp(text, "-0") == 0)
            return "0";
        return text;
    }
    std::snprintf(text, sizeof text, "%.10Lf", v);
    return text;
}

}  // namespace app
