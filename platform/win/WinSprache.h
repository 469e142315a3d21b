#pragma once
// The system's default language as a Windows language id.
#include <cstdint>

// Language of the locale: the first non-empty of LC_ALL, LC_MESSAGES, LANG
// ("de_DE.UTF-8" -> German). The result is the Windows primary language id
// in the low 10 bits (de 7, en 9, es 10, fr 12, it 16, pt 22, ru 25, ...)
// with the default sub-language 1 above them (1 << 10). "C", "POSIX", an
// unset locale or an unknown language give English.
uint16_t GetSystemDefaultLangID();
// The primary id of a locale text such as "fr_CA.UTF-8" (exposed for tests).
uint16_t PrimaereSprachIdAusLocale(const char* pcLocale);
