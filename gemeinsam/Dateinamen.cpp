#include "Dateinamen.h"

#include "WinText.h"

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

std::string DateiImOrdner(const std::string& sOrdner, const std::string& sName)
{
    if (sName.empty()) return std::string();
    return DateiImOrdnerSuchen(sOrdner, sName);
}

std::string ProjektDateiPfad(const std::string& sOrdner, const std::string& sName)
{
    const std::string sGefunden = DateiImOrdner(sOrdner, sName);
    return sGefunden.empty() ? sOrdner + sName : sGefunden;
}
