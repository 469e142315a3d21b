// Ini files (settings, CPU type files, range files, IP data). The first
// line names "section\key\value" to write, the rest is the file. Property:
// what a write accepted reads back (trimmed, cut at a line end), also under
// the names with blanks around them, and the file's other sections stay.
#include "FuzzHilfe.h"

#include "WinIni.h"
#include "WinText.h"

using namespace fuzzhilfe;

namespace {

std::string Trimmen(const std::string& s)
{
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

std::string Teil(const std::string& s, std::size_t& nPos, bool bRest)
{
    const std::size_t n = bRest ? std::string::npos : s.find('\\', nPos);
    const std::string t = s.substr(nPos, n == std::string::npos ? std::string::npos : n - nPos);
    nPos = n == std::string::npos ? s.size() : n + 1;
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string s = AlsText(pDaten, nGroesse);
    const std::size_t nZeile = s.find('\n');
    const std::string sKopf = s.substr(0, nZeile);
    const std::string sDatei = Ordner() + "fuzz.ini";
    const std::string sInhalt = nZeile == std::string::npos ? std::string() : s.substr(nZeile + 1);
    AlsDatei(reinterpret_cast<const uint8_t*>(sInhalt.data()), sInhalt.size(), "fuzz.ini");
    std::size_t nPos = 0;
    const std::string sAbschnitt = Teil(sKopf, nPos, false);
    const std::string sSchluessel = Teil(sKopf, nPos, false);
    const std::string sWert = Teil(sKopf, nPos, true);

    const std::vector<std::string> vorher = ProfilAbschnitteLesen(sDatei);
    for (const std::string& sName : vorher) ProfilAbschnittLesen(sDatei, sName);
    if (!bProfilStringSchreiben(sDatei, sAbschnitt, sSchluessel, sWert)) return 0;
    // Names and values that are no UTF-8 text are outside what the files carry.
    if (!bIstUtf8(sKopf) || sKopf.find('\0') != std::string::npos) return 0;
    const std::string sErwartet = Trimmen(sWert.substr(0, sWert.find_first_of("\r\n")));
    const std::string sGelesen = ProfilStringLesen(sDatei, sAbschnitt, sSchluessel, "\x01");
    Pruefen(sGelesen == sErwartet, "written value does not read back", sKopf + " -> " + sGelesen);
    Pruefen(ProfilStringLesen(sDatei, " " + sAbschnitt + "\t", " " + sSchluessel + " ", "\x01") ==
                sErwartet,
            "names with blanks around them read another value", sKopf);
    // No section of the file was lost or added beyond the written one.
    const std::vector<std::string> nachher = ProfilAbschnitteLesen(sDatei);
    Pruefen(nachher.size() == vorher.size() || nachher.size() == vorher.size() + 1,
            "write changed the file's sections", sKopf);
    return 0;
}
