// Reading the keys of a panel file's header.
#include "MaskenKopf.h"

#include <cstdlib>

#include "Maske.h"

namespace {

bool bEnthaelt(const std::string& s, const char* pcTeil)
{
    return s.find(pcTeil) != std::string::npos;
}

// The value of a key line: the text after the first '=' of the line.
std::string WertNachGleich(const std::string& s)
{
    const std::size_t n = s.find('=');
    return n == std::string::npos ? std::string() : s.substr(n + 1);
}

long lZahlNachGleich(const std::string& s)
{
    return std::atol(WertNachGleich(s).c_str());
}

} // namespace

TMaskenKopf MaskenKopfLesen(std::FILE* f, const std::function<void()>& ObjekteLesen)
{
    TMaskenKopf kopf;
    bool bBewegungen = false;
    std::string s;
    while (bMaskenZeileLesen(f, s)) {
        if (s.empty() || s[0] == ';' || s[0] == '/') continue;
        // A key line is never a section head: a background picture named
        // "Halle[Objekte].jpg" would otherwise end the header there.
        const bool bSchluesselZeile = s[0] == '$';
        if (!bSchluesselZeile && bEnthaelt(s, "[Objekte]")) {
            ObjekteLesen();
            continue;
        }
        if (!bSchluesselZeile && bEnthaelt(s, "[Bewegungsprofile]")) {
            bBewegungen = true;
            continue;
        }
        // Keys are found anywhere in any other line, motion lines included.
        if (bBewegungen && bEnthaelt(s, "$BewegungNr=")) kopf.bewegungsZeilen.push_back(s);
        if (bEnthaelt(s, "$SPSTyp=")) kopf.sSPSTyp = WertNachGleich(s);
        if (bEnthaelt(s, "$BausteineRestaurieren="))
            kopf.bBausteineRestaurieren = lZahlNachGleich(s) != 0;
        if (bEnthaelt(s, "$FileBack=")) kopf.sHintergrund = WertNachGleich(s);
        if (bEnthaelt(s, "$WindowW=")) kopf.lFensterBreite = lZahlNachGleich(s);
        if (bEnthaelt(s, "$WindowH=")) kopf.lFensterHoehe = lZahlNachGleich(s);
    }
    return kopf;
}
