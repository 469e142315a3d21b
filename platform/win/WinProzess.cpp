// Starting programs (Windows command lines) and opening documents.
#include "WinProzess.h"

#include <QDesktopServices>
#include <QByteArray>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <filesystem>
#include <mutex>

namespace {

std::mutex g_mutex;
bool g_bAufzeichnen = false;
bool g_bOeffnenGelingt = true;
std::vector<std::string> g_starts;

bool bAufgezeichnet(const std::string& s)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    if (!g_bAufzeichnen)
        return false;
    g_starts.push_back(s);
    return true;
}

bool bOeffnenGelingt()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return g_bOeffnenGelingt;
}

bool bLeer(char c)
{
    return c == ' ' || c == '\t';
}

// "scheme:" with a scheme of two or more characters ("C:" is a drive).
bool bHatSchema(const std::string& s)
{
    const size_t uDoppelpunkt = s.find(':');
    if (uDoppelpunkt == std::string::npos || uDoppelpunkt < 2)
        return false;
    for (size_t i = 0; i < uDoppelpunkt; ++i) {
        const char c = s[i];
        const bool bBuchstabe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool bErlaubt = bBuchstabe || (i > 0 && ((c >= '0' && c <= '9') || c == '+' ||
                                                        c == '-' || c == '.'));
        if (!bErlaubt)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::string> KommandozeileZerlegen(const std::string& sZeile)
{
    std::vector<std::string> argumente;
    size_t i = 0;
    const size_t n = sZeile.size();
    while (i < n && bLeer(sZeile[i]))
        ++i;
    if (i >= n)
        return argumente;

    // The program name follows simpler rules: quotes only group, and
    // backslashes are plain characters (a folder path may end in one).
    std::string sProgramm;
    if (sZeile[i] == '"') {
        ++i;
        while (i < n && sZeile[i] != '"')
            sProgramm += sZeile[i++];
        if (i < n)
            ++i;
    } else {
        while (i < n && !bLeer(sZeile[i]))
            sProgramm += sZeile[i++];
    }
    argumente.push_back(sProgramm);

    for (;;) {
        while (i < n && bLeer(sZeile[i]))
            ++i;
        if (i >= n)
            break;
        std::string sArg;
        bool bInAnfuehrung = false;
        while (i < n && (bInAnfuehrung || !bLeer(sZeile[i]))) {
            if (sZeile[i] == '\\') {
                size_t uStriche = 0;
                while (i < n && sZeile[i] == '\\') {
                    ++uStriche;
                    ++i;
                }
                if (i < n && sZeile[i] == '"') {
                    sArg.append(uStriche / 2, '\\');
                    if (uStriche % 2 == 1) {
                        sArg += '"';
                        ++i;
                    }
                    // even: the quote is handled as a quote below
                } else {
                    sArg.append(uStriche, '\\');
                }
            } else if (sZeile[i] == '"') {
                if (bInAnfuehrung && i + 1 < n && sZeile[i + 1] == '"') {
                    sArg += '"';  // "" inside quotes: a literal quote
                    i += 2;
                } else {
                    bInAnfuehrung = !bInAnfuehrung;
                    ++i;
                }
            } else {
                sArg += sZeile[i++];
            }
        }
        argumente.push_back(sArg);
    }
    return argumente;
}

bool WinExec(const std::string& sKommandozeile)
{
    const std::vector<std::string> teile = KommandozeileZerlegen(sKommandozeile);
    if (teile.empty() || teile.front().empty())
        return false;
    if (bAufgezeichnet(sKommandozeile))
        return true;
    QStringList argumente;
    for (size_t i = 1; i < teile.size(); ++i)
        argumente << QString::fromStdString(teile[i]);
    return QProcess::startDetached(QString::fromStdString(teile.front()), argumente);
}

bool ShellExecuteOeffnen(const std::string& sPfadOderUrl)
{
    if (sPfadOderUrl.empty())
        return false;
    if (bAufgezeichnet(sPfadOderUrl))
        return bOeffnenGelingt();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    // Taken as encoded: a file URL keeps the bytes of a name that is no
    // UTF-8, and the opener gets them back as they are on disk.
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(UrlFuerOeffnen(sPfadOderUrl))));
}

std::string UrlFuerOeffnen(const std::string& sPfadOderUrl)
{
    if (bHatSchema(sPfadOderUrl))
        return sPfadOderUrl;
    // The path as bytes: a name from Windows (Windows-1252, code page 850)
    // is no UTF-8, and a QString would hold U+FFFD in its place, naming a
    // file that does not exist.
    std::filesystem::path pfad(sPfadOderUrl);
    if (pfad.is_relative()) {
        std::error_code fehler;
        pfad = std::filesystem::current_path(fehler) / pfad;
    }
    std::string sUrl = "file://";
    static const char acHex[] = "0123456789ABCDEF";
    for (const unsigned char c : pfad.lexically_normal().string()) {
        const bool bFrei = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
        if (bFrei) {
            sUrl += static_cast<char>(c);
        } else {
            sUrl += '%';
            sUrl += acHex[c >> 4];
            sUrl += acHex[c & 0x0F];
        }
    }
    return sUrl;
}

std::string ProgrammDatei()
{
    std::error_code fehler;
    const std::filesystem::path pfad = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::string() : pfad.string();
}

void ProzessStartsAufzeichnen(bool bAn, bool bOeffnenErfolgreich)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_bAufzeichnen = bAn;
    g_bOeffnenGelingt = bOeffnenErfolgreich;
}

std::vector<std::string> AufgezeichneteStarts()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return g_starts;
}

void AufgezeichneteStartsLoeschen()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_starts.clear();
}
