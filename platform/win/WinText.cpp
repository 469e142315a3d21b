// Text helpers: UTF-8 check and Windows-1252 conversion, upper-casing of the
// German umlauts, case-tolerant file lookup and atomic file replacement.
#include "WinText.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Code points of 0x80..0x9F in Windows-1252. The five unused bytes map to
// the C1 control of the same value, as Windows' own converter does.
const char16_t kCp1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Utf8Anhaengen(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string OrdnerMitStrich(const std::string& sOrdner)
{
    if (sOrdner.empty())
        return "./";
    return sOrdner.back() == '/' ? sOrdner : sOrdner + '/';
}

bool bVorhanden(const std::string& sPfad)
{
    struct stat st;
    return ::lstat(sPfad.c_str(), &st) == 0;
}

// One path component, exact first, then ignoring case (first in name order
// when several entries differ only in case).
std::string TeilSuchen(const std::string& sOrdner, const std::string& sTeil)
{
    const std::string sExakt = sOrdner + sTeil;
    if (bVorhanden(sExakt))
        return sExakt;
    QDir ordner(QString::fromUtf8(sOrdner));
    if (!ordner.exists())
        return "";
    const QString sGesucht = QString::fromUtf8(sTeil);
    QStringList eintraege = ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                             QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& sEintrag : eintraege) {
        if (sEintrag.compare(sGesucht, Qt::CaseInsensitive) == 0)
            return sOrdner + sEintrag.toStdString();
    }
    return "";
}

} // namespace

bool bIstUtf8(const std::string& sText)
{
    const auto* p = reinterpret_cast<const unsigned char*>(sText.data());
    const size_t n = sText.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t uFolge;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            uFolge = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            uFolge = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            uFolge = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + uFolge >= n)
            return false;
        for (size_t k = 1; k <= uFolge; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are invalid.
        if ((uFolge == 2 && cp < 0x800) || (uFolge == 3 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += uFolge + 1;
    }
    return true;
}

std::string TextNachUtf8(const std::string& sRoh)
{
    if (bIstUtf8(sRoh))
        return sRoh;
    std::string s;
    s.reserve(sRoh.size() + sRoh.size() / 4);
    for (unsigned char c : sRoh) {
        if (c < 0x80)
            s += static_cast<char>(c);
        else if (c < 0xA0)
            Utf8Anhaengen(s, kCp1252[c - 0x80]);
        else
            Utf8Anhaengen(s, c);
    }
    return s;
}

std::string TextdateiNachUtf8(const std::string& sRoh)
{
    if (bIstUtf8(sRoh))
        return sRoh;
    std::string s;
    s.reserve(sRoh.size() + sRoh.size() / 4);
    size_t i = 0;
    while (i < sRoh.size()) {
        size_t uEnde = sRoh.find('\n', i);
        uEnde = uEnde == std::string::npos ? sRoh.size() : uEnde + 1;
        s += TextNachUtf8(sRoh.substr(i, uEnde - i));
        i = uEnde;
    }
    return s;
}

bool bTextdateiLesen(const std::string& sPfad, std::string& sText)
{
    std::string sRoh;
    if (!bDateiLesen(sPfad, sRoh))
        return false;
    sText = TextdateiNachUtf8(sRoh);
    return true;
}

std::string GrossUmlaut(const std::string& sText)
{
    std::string s = sText;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') {
            s[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < s.size()) {
            const unsigned char d = static_cast<unsigned char>(s[i + 1]);
            if (d == 0xA4 || d == 0xB6 || d == 0xBC)  // ä ö ü
                s[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        }
    }
    return s;
}

bool bGleichOhneGross(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && GrossUmlaut(a) == GrossUmlaut(b);
}

std::string DateiImOrdnerSuchen(const std::string& sOrdner, const std::string& sName)
{
    if (sName.empty())
        return "";
    // A relative name with folders is looked up part by part.
    std::string sAktuell = OrdnerMitStrich(sOrdner);
    size_t uStart = 0;
    for (;;) {
        const size_t uStrich = sName.find('/', uStart);
        const std::string sTeil = sName.substr(uStart, uStrich == std::string::npos
                                                           ? std::string::npos
                                                           : uStrich - uStart);
        if (!sTeil.empty()) {
            const std::string sGefunden = TeilSuchen(sAktuell, sTeil);
            if (sGefunden.empty())
                return "";
            sAktuell = sGefunden;
        }
        if (uStrich == std::string::npos)
            return sAktuell;
        sAktuell += '/';
        uStart = uStrich + 1;
    }
}

bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt)
{
    if (sPfad.empty() || sPfad.back() == '/')
        return false;
    const size_t uStrich = sPfad.rfind('/');
    const std::string sOrdner = uStrich == std::string::npos ? "./" : sPfad.substr(0, uStrich + 1);
    const std::string sName = uStrich == std::string::npos ? sPfad : sPfad.substr(uStrich + 1);
    std::string sVorlage = sOrdner + "." + sName + ".tmpXXXXXX";
    std::vector<char> puffer(sVorlage.begin(), sVorlage.end());
    puffer.push_back('\0');
    const int iFd = ::mkstemp(puffer.data());
    if (iFd < 0)
        return false;
    const std::string sTemp(puffer.data());

    bool bOk = true;
    // Keep the permissions of the file being replaced; a new file gets the
    // usual 0666 minus umask rather than mkstemp's private 0600.
    struct stat st;
    mode_t modus;
    if (::stat(sPfad.c_str(), &st) == 0) {
        modus = st.st_mode & 07777;
        // The rename would replace even a file without write permission;
        // access() says yes to root, so root is judged by the bits alone.
        const bool bNurLesen = ::geteuid() == 0 ? (modus & 0222) == 0
                                                : ::access(sPfad.c_str(), W_OK) != 0;
        if (bNurLesen) {
            ::close(iFd);
            ::unlink(sTemp.c_str());
            errno = EACCES;
            return false;
        }
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    if (::fchmod(iFd, modus) != 0)
        bOk = false;

    const char* p = sInhalt.data();
    size_t uRest = sInhalt.size();
    while (bOk && uRest > 0) {
        const ssize_t n = ::write(iFd, p, uRest);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            bOk = false;
            break;
        }
        p += n;
        uRest -= static_cast<size_t>(n);
    }
    if (bOk && ::fsync(iFd) != 0)
        bOk = false;
    if (::close(iFd) != 0)
        bOk = false;
    if (bOk && ::rename(sTemp.c_str(), sPfad.c_str()) != 0)
        bOk = false;
    if (!bOk) {
        ::unlink(sTemp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int iOrdnerFd = ::open(sOrdner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (iOrdnerFd >= 0) {
        ::fsync(iOrdnerFd);
        ::close(iOrdnerFd);
    }
    return true;
}

void VerwaisteTempDateienEntfernen(const std::string& sPfad)
{
    const size_t uStrich = sPfad.rfind('/');
    const std::string sOrdner = uStrich == std::string::npos ? "./" : sPfad.substr(0, uStrich + 1);
    const std::string sVorsilbe =
        "." + (uStrich == std::string::npos ? sPfad : sPfad.substr(uStrich + 1)) + ".tmp";
    QDir ordner(QString::fromStdString(sOrdner));
    const QStringList eintraege = ordner.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& sEintrag : eintraege) {
        const std::string s = sEintrag.toStdString();
        // mkstemp adds exactly six characters.
        if (s.size() == sVorsilbe.size() + 6 && s.compare(0, sVorsilbe.size(), sVorsilbe) == 0)
            ::unlink((sOrdner + s).c_str());
    }
}

bool bDateiLesen(const std::string& sPfad, std::string& sInhalt)
{
    const int iFd = ::open(sPfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (iFd < 0)
        return false;
    struct stat st;
    if (::fstat(iFd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(iFd);
        return false;
    }
    std::string s;
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(iFd, puffer, sizeof puffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(iFd);
            return false;
        }
        if (n == 0)
            break;
        s.append(puffer, static_cast<size_t>(n));
    }
    ::close(iFd);
    sInhalt = std::move(s);
    return true;
}
