#pragma once
// The system locale as the Windows locale number (LCID) that the language table is written in.
#include <QLocale>

namespace SystemLocale {
// The locale number of a locale; 1033 when it has none (the C locale or an unknown language).
int localeId(const QLocale& locale);
// The locale number of the system locale, read when asked.
int systemLocaleId();
}  // namespace SystemLocale
