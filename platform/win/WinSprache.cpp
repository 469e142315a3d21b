// System default language from the POSIX locale variables.
#include "WinSprache.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct TSprache {
    const char* pcIso;
    uint16_t wPrimaer;
};

// ISO 639-1 codes and the Windows primary language ids they correspond to.
const TSprache kSprachen[] = {
    {"ar", 0x01}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06},
    {"de", 0x07}, {"el", 0x08}, {"en", 0x09}, {"es", 0x0A}, {"fi", 0x0B}, {"fr", 0x0C},
    {"he", 0x0D}, {"hu", 0x0E}, {"is", 0x0F}, {"it", 0x10}, {"ja", 0x11}, {"ko", 0x12},
    {"nl", 0x13}, {"no", 0x14}, {"nb", 0x14}, {"nn", 0x14}, {"pl", 0x15}, {"pt", 0x16},
    {"rm", 0x17}, {"ro", 0x18}, {"ru", 0x19}, {"hr", 0x1A}, {"sr", 0x1A}, {"bs", 0x1A},
    {"sk", 0x1B}, {"sq", 0x1C}, {"sv", 0x1D}, {"th", 0x1E}, {"tr", 0x1F}, {"ur", 0x20},
    {"id", 0x21}, {"uk", 0x22}, {"be", 0x23}, {"sl", 0x24}, {"et", 0x25}, {"lv", 0x26},
    {"lt", 0x27}, {"fa", 0x29}, {"vi", 0x2A}, {"hy", 0x2B}, {"az", 0x2C}, {"eu", 0x2D},
    {"mk", 0x2F}, {"af", 0x36}, {"ka", 0x37}, {"fo", 0x38}, {"hi", 0x39}, {"ga", 0x3C},
    {"ms", 0x3E}, {"kk", 0x3F}, {"sw", 0x41}, {"cy", 0x52}, {"gl", 0x56},
};

constexpr uint16_t kEnglisch = 0x09;
constexpr uint16_t kSublangDefault = 1;

} // namespace

uint16_t PrimaereSprachIdAusLocale(const char* pcLocale)
{
    if (!pcLocale)
        return kEnglisch;
    // "de_DE.UTF-8@euro" -> "de"; a bare "de" works as well.
    std::string sSprache;
    for (const char* p = pcLocale; *p && *p != '_' && *p != '.' && *p != '@' && *p != '-'; ++p)
        sSprache += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    for (const TSprache& s : kSprachen) {
        if (sSprache == s.pcIso)
            return s.wPrimaer;
    }
    return kEnglisch;  // "C", "POSIX" and languages without a Windows id
}

uint16_t GetSystemDefaultLangID()
{
    const char* pcLocale = nullptr;
    for (const char* pcVariable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* pc = std::getenv(pcVariable);
        if (pc && *pc) {
            pcLocale = pc;
            break;
        }
    }
    return static_cast<uint16_t>((kSublangDefault << 10) | PrimaereSprachIdAusLocale(pcLocale));
}
