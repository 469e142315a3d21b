// Runs the helper program spr2_helfer as a second process and collects its
// answer lines "key=value".
#pragma once

#include <QProcess>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

struct THelferAntwort {
    int iExitCode = -1;
    std::map<std::string, std::string> werte;
    std::string sFehlerausgabe;
    std::string Wert(const std::string& sSchluessel) const
    {
        auto it = werte.find(sSchluessel);
        return it == werte.end() ? "<missing " + sSchluessel + ">" : it->second;
    }
};

// vorne: a program and its arguments that start the helper (for example
// to run it as another user); umgebung: the helper's environment (empty:
// this process's).
inline THelferAntwort HelferAufrufen(const std::vector<std::string>& auftraege,
                                     const QProcessEnvironment& umgebung = {},
                                     const QStringList& vorne = {})
{
    QProcess prozess;
    if (!umgebung.isEmpty()) prozess.setProcessEnvironment(umgebung);
    QStringList args = vorne;
    args << QStringLiteral(SPR2_HELFER);
    for (const auto& s : auftraege) args << QString::fromStdString(s);
    prozess.start(args.takeFirst(), args);
    THelferAntwort antwort;
    if (!prozess.waitForFinished(60000)) {
        prozess.kill();
        prozess.waitForFinished();
        return antwort;
    }
    antwort.iExitCode = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    antwort.sFehlerausgabe = prozess.readAllStandardError().toStdString();
    const std::string sAusgabe = prozess.readAllStandardOutput().toStdString();
    size_t nPos = 0;
    while (nPos < sAusgabe.size()) {
        size_t nEnde = sAusgabe.find('\n', nPos);
        if (nEnde == std::string::npos) nEnde = sAusgabe.size();
        const std::string sZeile = sAusgabe.substr(nPos, nEnde - nPos);
        const size_t nGleich = sZeile.find('=');
        if (nGleich != std::string::npos)
            antwort.werte[sZeile.substr(0, nGleich)] = sZeile.substr(nGleich + 1);
        nPos = nEnde + 1;
    }
    return antwort;
}
