// harlenzutils40: copying with marks, case, blanks and editing in place.
#include "harlenzutils40.h"

#include <cstring>

namespace {

bool bLeer(char c)
{
    return c == ' ' || c == '\t';
}

// Upper-cases ASCII letters and the UTF-8 umlauts ä ö ü in place.
void Gross(char* p)
{
    for (; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 'a' && c <= 'z') {
            *p = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3) {
            const unsigned char d = static_cast<unsigned char>(p[1]);
            if (d == 0xA4 || d == 0xB6 || d == 0xBC)
                p[1] = static_cast<char>(d - 0x20);
            if (d != 0)
                ++p;
        }
    }
}

// Next character of a text in upper case, as one or two bytes packed into
// an int, so that texts can be compared without a copy.
int NaechstesGross(const char*& p)
{
    const unsigned char c = static_cast<unsigned char>(*p++);
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if (c == 0xC3 && *p) {
        unsigned char d = static_cast<unsigned char>(*p++);
        if (d == 0xA4 || d == 0xB6 || d == 0xBC)
            d = static_cast<unsigned char>(d - 0x20);
        return 0xC300 | d;
    }
    return c;
}

bool bIstMarke(char c, const char* pcMarken, int iAnzahl)
{
    for (int i = 0; i < iAnzahl; ++i) {
        if (pcMarken[i] != 0 && pcMarken[i] == c)
            return true;
    }
    return false;
}

} // namespace

extern "C" {

void U_strcpyBisToken(char* pcZiel, const char* pcQuelle, char c1, char c2, char c3, char c4,
                      char c5)
{
    if (!pcZiel || !pcQuelle)
        return;
    const char acMarken[5] = {c1, c2, c3, c4, c5};
    size_t n = 0;
    while (pcQuelle[n] && !bIstMarke(pcQuelle[n], acMarken, 5))
        ++n;
    std::memmove(pcZiel, pcQuelle, n);
    pcZiel[n] = '\0';
}

void U_strcpyNachToken(char* pcZiel, const char* pcQuelle, char c)
{
    if (!pcZiel || !pcQuelle)
        return;
    const char* pcFund = c ? std::strchr(pcQuelle, c) : nullptr;
    if (!pcFund) {
        pcZiel[0] = '\0';
        return;
    }
    std::memmove(pcZiel, pcFund + 1, std::strlen(pcFund + 1) + 1);
}

void U_strcpyUpcase(char* pcZiel, const char* pcQuelle)
{
    if (!pcZiel || !pcQuelle)
        return;
    std::memmove(pcZiel, pcQuelle, std::strlen(pcQuelle) + 1);
    Gross(pcZiel);
}

void U_UpcaseString(char* pcText)
{
    if (pcText)
        Gross(pcText);
}

bool U_StringVergleichrossKlein(const char* pcText1, const char* pcText2)
{
    if (!pcText1 || !pcText2)
        return false;
    while (*pcText1 && *pcText2) {
        if (NaechstesGross(pcText1) != NaechstesGross(pcText2))
            return false;
    }
    return *pcText1 == *pcText2;
}

void U_LeerzeichenEntfernen(char* pcText)
{
    if (!pcText)
        return;
    char* pcSchreib = pcText;
    for (const char* p = pcText; *p; ++p) {
        if (*p != ' ')
            *pcSchreib++ = *p;
    }
    *pcSchreib = '\0';
}

void U_LeerzeichenAmAnfangEntfernen(char* pcText)
{
    if (!pcText)
        return;
    size_t n = 0;
    while (bLeer(pcText[n]))
        ++n;
    if (n > 0)
        std::memmove(pcText, pcText + n, std::strlen(pcText + n) + 1);
}

void U_LeerzeichenAmEndeEntfernen(char* pcText)
{
    if (!pcText)
        return;
    size_t n = std::strlen(pcText);
    while (n > 0 && bLeer(pcText[n - 1]))
        --n;
    pcText[n] = '\0';
}

void U_LeerzeichenAmAnfangUndEndeEntfernen(char* pcText)
{
    U_LeerzeichenAmEndeEntfernen(pcText);
    U_LeerzeichenAmAnfangEntfernen(pcText);
}

void U_NewLineEntfernen(char* pcText)
{
    if (!pcText)
        return;
    size_t n = std::strlen(pcText);
    while (n > 0 && (pcText[n - 1] == '\n' || pcText[n - 1] == '\r'))
        --n;
    pcText[n] = '\0';
}

void U_ZeichenAusStringEntfernen(char* pcText, char c1, char c2, char c3, char c4)
{
    if (!pcText)
        return;
    const char acMarken[4] = {c1, c2, c3, c4};
    char* pcSchreib = pcText;
    for (const char* p = pcText; *p; ++p) {
        if (!bIstMarke(*p, acMarken, 4))
            *pcSchreib++ = *p;
    }
    *pcSchreib = '\0';
}

void U_DeleteSubString(char* pcText, int iPos, int iLaenge)
{
    if (!pcText || iPos < 0 || iLaenge <= 0)
        return;
    const size_t uLaenge = std::strlen(pcText);
    const size_t uPos = static_cast<size_t>(iPos);
    if (uPos >= uLaenge)
        return;
    const size_t uWeg = static_cast<size_t>(iLaenge) < uLaenge - uPos ? static_cast<size_t>(iLaenge)
                                                                       : uLaenge - uPos;
    std::memmove(pcText + uPos, pcText + uPos + uWeg, uLaenge - uPos - uWeg + 1);
}

void U_DeleteSubStringText(char* pcText, const char* pcTeil)
{
    if (!pcText || !pcTeil || !*pcTeil)
        return;
    char* pcFund = std::strstr(pcText, pcTeil);
    if (!pcFund)
        return;
    const size_t uWeg = std::strlen(pcTeil);
    std::memmove(pcFund, pcFund + uWeg, std::strlen(pcFund + uWeg) + 1);
}

void U_InsertString(char* pcText, const char* pcEinfuegen, int iPos)
{
    if (!pcText || !pcEinfuegen)
        return;
    const size_t uLaenge = std::strlen(pcText);
    const size_t uNeu = std::strlen(pcEinfuegen);
    if (uNeu == 0)
        return;
    size_t uPos = iPos < 0 ? 0 : static_cast<size_t>(iPos);
    if (uPos > uLaenge)
        uPos = uLaenge;
    std::memmove(pcText + uPos + uNeu, pcText + uPos, uLaenge - uPos + 1);
    std::memmove(pcText + uPos, pcEinfuegen, uNeu);
}

} // extern "C"
