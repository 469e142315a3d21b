// Size and modification time of the project files as last read or written.
#include "DateiStempel.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <map>

#include "Dateinamen.h"

namespace {

struct TStempel {
    bool bVorhanden = false;
    // The path itself is a link; the other fields are then the target's,
    // and the link's own time.
    bool bLink = false;
    std::uintmax_t uGroesse = 0;
    std::int64_t llSekunden = 0;
    long lNanosekunden = 0;
    std::int64_t llLinkSekunden = 0;
    long lLinkNanosekunden = 0;
    bool operator==(const TStempel&) const = default;
};

// By the path the program reads and writes, with only its folder resolved:
// a project folder named by a link or with "//" in it is still one file,
// while a link put in a file's place is not taken for its target.
std::map<std::string, TStempel> g_stempel;

std::string Schluessel(const std::string& sPfad)
{
    const std::filesystem::path p(sPfad);
    if (!p.has_filename()) return sPfad;
    std::error_code ec;
    const std::filesystem::path ordner = std::filesystem::weakly_canonical(
        p.has_parent_path() ? p.parent_path() : std::filesystem::path("."), ec);
    return ec ? sPfad : (ordner / p.filename()).string();
}

TStempel StempelLesen(const std::string& sPfad)
{
    TStempel st;
    struct stat s {};
    if (::lstat(sPfad.c_str(), &s) != 0) return st;
    if (S_ISLNK(s.st_mode)) {
        // A link counts as there, whatever it leads to: a write replaces it.
        st.bVorhanden = st.bLink = true;
        st.llLinkSekunden = static_cast<std::int64_t>(s.st_mtim.tv_sec);
        st.lLinkNanosekunden = s.st_mtim.tv_nsec;
        if (::stat(sPfad.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return st;
    } else if (!S_ISREG(s.st_mode)) {
        // Something else in the file's place (a folder) holds nothing a
        // write could replace: the write itself fails and says so.
        return st;
    }
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

void ProjektStempelMerken(const std::string& sOrdner, const std::string& sMaske)
{
    DateiStempelMerken(sMaske);
    DateiStempelMerken(ProjektDateiPfad(sOrdner, "PLC.DAT"));
    DateiStempelMerken(ProjektDateiPfad(sOrdner, "IPADR.DAT"));
}
