#include "TextNummern.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

int Zeile(const std::string& s, size_t nPos)
{
    int n = 1;
    for (size_t i = 0; i < nPos && i < s.size(); ++i)
        if (s[i] == '\n') ++n;
    return n;
}

} // namespace

std::vector<TTextVerwendung> TextVerwendungenSuchen(const std::string& sQuelltext, const std::string& sOrt)
{
    static const std::regex aufruf(
        R"re(\b(PoolTextFormat|PoolText|SPR_StrS7App2|SPR_StrS7App|SPR_StrS7C|SPR_StrMPI|SPR_StrMaske|SPR_AppD)\s*\(\s*([0-9]+)[uUlL]*\s*(\)|,\s*"((?:[^"\\]|\\.)*)"|,))re");
    static const std::regex markierung(R"(//\s*Texte:\s*([0-9][0-9 ,\-]*))");
    static const std::regex bereich(R"(([0-9]+)(?:\s*-\s*([0-9]+))?)");

    std::vector<TTextVerwendung> ergebnis;
    for (std::sregex_iterator it(sQuelltext.begin(), sQuelltext.end(), aufruf), ende; it != ende; ++it) {
        const std::smatch& m = *it;
        const bool bFormat = m[1] == "PoolTextFormat";
        // PoolText(N) must close at once; the format call must go on.
        if (bFormat == (m[3] == ")")) continue;
        TTextVerwendung v;
        v.sOrt = sOrt + ":" + std::to_string(Zeile(sQuelltext, static_cast<size_t>(m.position(0))));
        v.ulNummer = std::stoul(m[2]);
        v.bMitSignatur = bFormat && m[4].matched;
        v.sSignatur = m[4].matched ? m[4].str() : "";
        ergebnis.push_back(v);
    }
    for (std::sregex_iterator it(sQuelltext.begin(), sQuelltext.end(), markierung), ende; it != ende; ++it) {
        const std::string sListe = (*it)[1];
        const std::string sOrtZeile =
            sOrt + ":" + std::to_string(Zeile(sQuelltext, static_cast<size_t>(it->position(0))));
        for (std::sregex_iterator b(sListe.begin(), sListe.end(), bereich); b != std::sregex_iterator(); ++b) {
            const unsigned long ulVon = std::stoul((*b)[1]);
            const unsigned long ulBis = (*b)[2].matched ? std::stoul((*b)[2]) : ulVon;
            for (unsigned long u = ulVon; u <= ulBis && u < ulVon + 10000; ++u)
                ergebnis.push_back({sOrtZeile, u, false, ""});
        }
    }
    return ergebnis;
}

std::vector<TTextVerwendung> TextVerwendungenImBaum(const std::vector<fs::path>& ordner)
{
    std::vector<TTextVerwendung> ergebnis;
    for (const auto& pfOrdner : ordner) {
        if (!fs::is_directory(pfOrdner)) continue;
        for (const auto& e : fs::recursive_directory_iterator(pfOrdner)) {
            const std::string sEndung = e.path().extension().string();
            if (!e.is_regular_file() || (sEndung != ".cpp" && sEndung != ".h")) continue;
            std::ifstream f(e.path(), std::ios::binary);
            std::ostringstream os;
            os << f.rdbuf();
            const auto gefunden = TextVerwendungenSuchen(os.str(), e.path().lexically_relative(pfOrdner.parent_path()).string());
            ergebnis.insert(ergebnis.end(), gefunden.begin(), gefunden.end());
        }
    }
    return ergebnis;
}

std::set<unsigned long> DoppelteNummern(const std::string& sDateiinhalt)
{
    static const std::regex textzeile(R"(^ *([0-9]+).*=)");
    std::set<unsigned long> gesehen, doppelt;
    std::istringstream is(sDateiinhalt);
    std::string sZeile;
    while (std::getline(is, sZeile)) {
        std::smatch m;
        if (!std::regex_search(sZeile, m, textzeile)) continue;
        const unsigned long u = std::stoul(m[1]);
        if (!gesehen.insert(u).second) doppelt.insert(u);
    }
    return doppelt;
}
