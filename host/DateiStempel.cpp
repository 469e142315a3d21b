// Size and modification time of the project files as last read or written,
// and the questions before a save writes.
#include "DateiStempel.h"
#include "PLCDatBericht.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <map>

#include "Dateinamen.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "WinMeldung.h"

namespace {

struct TStempel {
    bool bVorhanden = false;
    std::uintmax_t uGroesse = 0;
    std::int64_t llSekunden = 0;
    long lNanosekunden = 0;
    bool operator==(const TStempel&) const = default;
};

// By the path the file is reached by: a project folder named by a link or
// with "//" in it is still one file.
std::map<std::string, TStempel> g_stempel;

bool g_bAbgebrochen = false;

std::string Schluessel(const std::string& sPfad)
{
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(sPfad, ec);
    return ec ? sPfad : p.string();
}

TStempel StempelLesen(const std::string& sPfad)
{
    TStempel st;
    struct stat s {};
    // Something else in the file's place (a folder) holds nothing a write
    // could replace: the write itself fails and says so.
    if (::stat(sPfad.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return st;
    st.bVorhanden = true;
    st.uGroesse = static_cast<std::uintmax_t>(s.st_size);
    st.llSekunden = static_cast<std::int64_t>(s.st_mtim.tv_sec);
    st.lNanosekunden = s.st_mtim.tv_nsec;
    return st;
}

} // namespace

void DateiStempelMerken(const std::string& sPfad)
{
    if (sPfad.empty()) return;
    g_stempel[Schluessel(sPfad)] = StempelLesen(sPfad);
}

bool bDateiFremdGeaendert(const std::string& sPfad)
{
    if (sPfad.empty()) return false;
    const auto it = g_stempel.find(Schluessel(sPfad));
    if (it == g_stempel.end()) return false;
    const TStempel jetzt = StempelLesen(sPfad);
    return jetzt.bVorhanden && !(jetzt == it->second);
}

TUeberschreiben UeberschreibenFragen(const std::string& sPfad, bool bUngelesen, unsigned long ulFrage)
{
    if (bDateiFremdGeaendert(sPfad)) {
        // Agreeing to replace the file as it is now covers a damage found
        // in what it held before.
        const int i = iJaNeinAbbruchFrage(PoolTextFormat(6820, "%s", sPfad.c_str()));
        return i == IDYES ? TUeberschreiben::Schreiben
                          : (i == IDNO ? TUeberschreiben::Beenden : TUeberschreiben::Abbrechen);
    }
    if (!bUngelesen) return TUeberschreiben::Schreiben;
    // The PLC.DAT question also lists what will be written with defaults.
    const int i = iJaNeinAbbruchFrage(ulFrage == 6801 ? PLCDatBerichtText(ulFrage, sPfad)
                                                      : PoolTextFormat(ulFrage, "%s", sPfad.c_str()));
    return i == IDYES ? TUeberschreiben::Schreiben
                      : (i == IDNO ? TUeberschreiben::Behalten : TUeberschreiben::Abbrechen);
}

bool bSpeicherFragen(const std::string& sMaske, const std::string& sPLC, bool bPLCUngelesen,
                     const std::string& sIP, bool bIPUngelesen, TSpeicherPlan& plan)
{
    plan = TSpeicherPlan{};
    const auto Ende = [](TUeberschreiben u) {
        if (u == TUeberschreiben::Abbrechen) g_bAbgebrochen = true;
        return u == TUeberschreiben::Abbrechen || u == TUeberschreiben::Beenden;
    };
    // The panel file has no damaged state: only the changed-on-disk question.
    if (Ende(UeberschreibenFragen(sMaske, false, 0))) return false;
    const TUeberschreiben uPLC = UeberschreibenFragen(sPLC, bPLCUngelesen, 6801);
    if (Ende(uPLC)) return false;
    const TUeberschreiben uIP = UeberschreibenFragen(sIP, bIPUngelesen, 6731);
    if (Ende(uIP)) return false;
    plan.bPLC = uPLC == TUeberschreiben::Schreiben;
    plan.bIP = uIP == TUeberschreiben::Schreiben;
    return true;
}

bool bSpeichernAbgebrochen() { return g_bAbgebrochen; }

void SpeichernAbbruchVergessen() { g_bAbgebrochen = false; }

void ProjektStempelMerken(const std::string& sOrdner, const std::string& sMaske)
{
    DateiStempelMerken(sMaske);
    DateiStempelMerken(ProjektDateiPfad(sOrdner, "PLC.DAT"));
    DateiStempelMerken(ProjektDateiPfad(sOrdner, "IPADR.DAT"));
}
