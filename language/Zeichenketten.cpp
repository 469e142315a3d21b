// Small string helpers that the library uses itself and exports.
#include "kolv_spr2.h"

#include <cstring>

extern "C" {

char* pcstrcpyBisToken(char* pcZiel, const char* pcQuelle, char cToken1, char cToken2,
                       char cToken3, char cToken4, char cToken5)
{
    if (!pcZiel) return pcZiel;
    char* p = pcZiel;
    if (pcQuelle) {
        for (; *pcQuelle; ++pcQuelle) {
            const char c = *pcQuelle;
            // A token 0 matches nothing: c is never 0 inside the loop.
            if (c == cToken1 || c == cToken2 || c == cToken3 || c == cToken4 || c == cToken5)
                break;
            *p++ = c;
        }
    }
    *p = '\0';
    return pcZiel;
}

char* pcLeerzeichenEntfernen(char* pcText)
{
    // The text without blanks is built in a buffer of 252 characters; a
    // longer result is cut to 251 characters instead of running past it.
    enum { nPuffer = 252 };
    if (!pcText) return pcText;
    char puffer[nPuffer];
    size_t n = 0;
    for (const char* p = pcText; *p && n < nPuffer - 1; ++p)
        if (*p != ' ') puffer[n++] = *p;
    puffer[n] = '\0';
    std::memcpy(pcText, puffer, n + 1);
    return pcText;
}

char* pcLeerzeichenAmAnfangUndEndeEntfernen(char* pcText)
{
    if (!pcText) return pcText;
    size_t n = std::strlen(pcText);
    while (n > 0 && pcText[n - 1] == ' ') pcText[--n] = '\0';
    size_t nVorne = 0;
    while (pcText[nVorne] == ' ') ++nVorne;
    if (nVorne) std::memmove(pcText, pcText + nVorne, n - nVorne + 1);
    return pcText;
}

} // extern "C"
