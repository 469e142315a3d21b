// Registry string values in files. Each input line is "key<TAB>name<TAB>
// value". Property: a write to a usable key succeeds and reads back, and
// every earlier write to another key still reads back.
#include "FuzzHilfe.h"

#include "WinRegistry.h"
#include "WinText.h"

#include <filesystem>
#include <map>
#include <sstream>

using namespace fuzzhilfe;

namespace {

// Parts of a key as the store splits it; false when a part could not be a
// file name here (empty key, "." or "..", too long, a NUL).
bool bBrauchbar(const std::string& sKey, std::string& sNorm)
{
    sNorm.clear();
    if (sKey.find('\0') != std::string::npos) return false;
    std::string sTeil;
    int iTeile = 0;
    bool bOk = true;
    auto ende = [&] {
        if (sTeil.empty()) return;
        if (sTeil == "." || sTeil == ".." || sTeil.size() > 200) bOk = false;
        sNorm += GrossUmlaut(sTeil) + "\\";
        ++iTeile;
        sTeil.clear();
    };
    for (char c : sKey) {
        if (c == '\\' || c == '/') ende();
        else sTeil += c;
    }
    ende();
    return bOk && iTeile > 0 && iTeile < 8 && sNorm.size() < 1000;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EigeneUmgebung();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    std::filesystem::remove_all(Ordner() + "config/Harlenz-Software");
    std::istringstream zeilen(AlsText(pDaten, nGroesse));
    std::string sZeile;
    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> geschrieben;
    for (int i = 0; i < 16 && std::getline(zeilen, sZeile); ++i) {
        const std::size_t a = sZeile.find('\t');
        const std::size_t b = a == std::string::npos ? a : sZeile.find('\t', a + 1);
        if (b == std::string::npos) continue;
        const std::string sKey = sZeile.substr(0, a), sName = sZeile.substr(a + 1, b - a - 1);
        const std::string sWert = sZeile.substr(b + 1);
        std::string sNorm;
        const bool bOk = bRegWertSchreiben(sKey, sName, sWert);
        // A leading "Software\Harlenz-Software\" names the same keys: skip
        // such keys in the bookkeeping rather than repeat that rule here.
        if (!bBrauchbar(sKey, sNorm) || GrossUmlaut(sNorm).find("HARLENZ-SOFTWARE") != std::string::npos)
            continue;
        Pruefen(bOk, "write to a usable key failed", sKey);
        std::string sGelesen;
        Pruefen(bRegWertLesen(sKey, sName, sGelesen) && sGelesen == sWert,
                "value does not read back", sKey + " / " + sName);
        geschrieben[{sNorm, GrossUmlaut(sName)}] = {sKey, sName};
        for (const auto& [k, wert] : geschrieben) {
            (void)k;
            Pruefen(bRegWertLesen(wert.first, wert.second, sGelesen),
                    "an earlier value was lost", wert.first + " after " + sKey);
        }
    }
    return 0;
}
