#include "Dateinamen.h"

#include "WinText.h"
#include "harlenzutils40.h"

std::string OrdnerVonPfad(const std::string& sPfad)
{
    const std::size_t n = sPfad.rfind('/');
    return n == std::string::npos ? std::string() : sPfad.substr(0, n + 1);
}

std::string NameVonPfad(const std::string& sPfad)
{
    const std::size_t n = sPfad.rfind('/');
    return n == std::string::npos ? sPfad : sPfad.substr(n + 1);
}

std::string BildDateiname(const std::string& sName)
{
    const std::size_t n = sName.find_last_of("/\\");
    return n == std::string::npos ? sName : sName.substr(n + 1);
}

std::string DateiImOrdner(const std::string& sOrdner, const std::string& sName)
{
    if (sName.empty()) return std::string();
    return DateiImOrdnerSuchen(sOrdner, sName);
}

std::string DateiPfadFinden(const std::string& sPfad)
{
    if (U_DateiVorhanden(sPfad.c_str())) return sPfad;
    if (sPfad.empty()) return std::string();
    const bool bAbsolut = sPfad[0] == '/';
    const std::string sGefunden =
        DateiImOrdnerSuchen(bAbsolut ? "/" : "./", bAbsolut ? sPfad.substr(1) : sPfad);
    return U_DateiVorhanden(sGefunden.c_str()) ? sGefunden : std::string();
}

std::string ProjektDateiPfad(const std::string& sOrdner, const std::string& sName)
{
    const std::string sGefunden = DateiImOrdner(sOrdner, sName);
    return sGefunden.empty() ? sOrdner + sName : sGefunden;
}
