// Default language: which locale variable wins, and how languages map to
// the Windows language ids the language library expects.
#include "WinSprache.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class LocaleVariablen {
public:
    LocaleVariablen()
    {
        for (int i = 0; i < 3; ++i) {
            const char* pc = std::getenv(kNamen[i]);
            m_bGesetzt[i] = pc != nullptr;
            m_sWert[i] = pc ? pc : "";
        }
    }
    ~LocaleVariablen()
    {
        for (int i = 0; i < 3; ++i) {
            if (m_bGesetzt[i])
                ::setenv(kNamen[i], m_sWert[i].c_str(), 1);
            else
                ::unsetenv(kNamen[i]);
        }
    }
    void Setzen(const char* pcAll, const char* pcMessages, const char* pcLang)
    {
        const char* werte[3] = {pcAll, pcMessages, pcLang};
        for (int i = 0; i < 3; ++i) {
            if (werte[i])
                ::setenv(kNamen[i], werte[i], 1);
            else
                ::unsetenv(kNamen[i]);
        }
    }

private:
    static constexpr const char* kNamen[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    bool m_bGesetzt[3];
    std::string m_sWert[3];
};

uint16_t Primaer(uint16_t w) { return w & 0x3FF; }

} // namespace

TEST(WinSprache, ErsteGesetzteVariableGewinnt)
{
    LocaleVariablen v;
    v.Setzen("de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0407);
    v.Setzen(nullptr, "fr_FR.UTF-8", "ru_RU.UTF-8");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x040C);
    // An empty variable counts as not set.
    v.Setzen("", "", "ru_RU.UTF-8");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0419);
    v.Setzen(nullptr, nullptr, nullptr);
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
}

TEST(WinSprache, CUndPosixSindEnglisch)
{
    LocaleVariablen v;
    v.Setzen("C", nullptr, "de_DE.UTF-8");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
    v.Setzen("POSIX", nullptr, "de_DE.UTF-8");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
    v.Setzen("C.UTF-8", nullptr, nullptr);
    EXPECT_EQ(Primaer(GetSystemDefaultLangID()), 9);
}

TEST(WinSprache, SprachenDesMenuesUndFormenDerLocale)
{
    EXPECT_EQ(PrimaereSprachIdAusLocale("de_AT.UTF-8"), 7);
    EXPECT_EQ(PrimaereSprachIdAusLocale("en_GB"), 9);
    EXPECT_EQ(PrimaereSprachIdAusLocale("es"), 10);
    EXPECT_EQ(PrimaereSprachIdAusLocale("fr_CA.ISO-8859-1"), 12);
    EXPECT_EQ(PrimaereSprachIdAusLocale("it_IT@euro"), 16);
    EXPECT_EQ(PrimaereSprachIdAusLocale("pt_BR.UTF-8"), 22);
    EXPECT_EQ(PrimaereSprachIdAusLocale("RU_ru"), 25);
    EXPECT_EQ(PrimaereSprachIdAusLocale("nl_NL.UTF-8"), 0x13);
    EXPECT_EQ(PrimaereSprachIdAusLocale("pl_PL"), 0x15);
    EXPECT_EQ(PrimaereSprachIdAusLocale("xx_YY"), 9);
    EXPECT_EQ(PrimaereSprachIdAusLocale("deu"), 9);  // not a two-letter code
    EXPECT_EQ(PrimaereSprachIdAusLocale(""), 9);
    EXPECT_EQ(PrimaereSprachIdAusLocale(nullptr), 9);
}

TEST(WinSprache, UntersprachteStehtInDenOberenBits)
{
    LocaleVariablen v;
    v.Setzen("pt_PT.UTF-8", nullptr, nullptr);
    const uint16_t w = GetSystemDefaultLangID();
    EXPECT_EQ(Primaer(w), 22);
    EXPECT_EQ(w >> 10, 1);
}
