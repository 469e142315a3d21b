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
