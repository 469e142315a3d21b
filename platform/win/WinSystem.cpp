// Small system queries.
#include "WinSystem.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

bool bIstAdministrator()
{
    return ::geteuid() == 0;
}

bool bIstWow64()
{
    return false;
}

std::string PersoenlicherOrdner()
{
    QString s = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (s.isEmpty())
        s = QDir::homePath();
    if (!s.endsWith(QLatin1Char('/')))
        s += QLatin1Char('/');
    return s.toStdString();
}

std::string VeltranoUserFilesOrdner()
{
    QString s = QDir::homePath();
    if (!s.endsWith(QLatin1Char('/')))
        s += QLatin1Char('/');
    return (s + QStringLiteral("Veltrano-User-Files/")).toStdString();
}

bool GetVersionExA(TWindowsVersion& version, uint32_t dwGroesse)
{
    if (dwGroesse != OSVERSIONINFO_GROESSE && dwGroesse != OSVERSIONINFOEX_GROESSE)
        return false;
    version.dwPlattform = VER_PLATFORM_WIN32_NT;
    version.dwMajor = 6;
    version.dwMinor = 2;
    version.sServicePack.clear();
    return true;
}
