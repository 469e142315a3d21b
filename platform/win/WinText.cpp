// Text helpers: UTF-8 check and Windows-1252 conversion, upper-casing of the
// German umlauts, case-tolerant file lookup and atomic file replacement.
#include "WinText.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <filesystem>
#include <iconv.h>
#include <map>
#include <mutex>
#include <fcntl.h>
#include <sys/file.h>
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
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 without its byte order mark to UTF-8; false on an odd length or an
// unpaired surrogate.
bool bUtf16NachUtf8(const std::string& sRoh, size_t uAb, bool bLittleEndian, std::string& sText)
{
    if ((sRoh.size() - uAb) % 2 != 0)
        return false;
    auto einheit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(sRoh[i]);
        const auto b = static_cast<unsigned char>(sRoh[i + 1]);
        return bLittleEndian ? char32_t(a | (b << 8)) : char32_t((a << 8) | b);
    };
    std::string s;
    s.reserve(sRoh.size() / 2);
    for (size_t i = uAb; i < sRoh.size(); i += 2) {
        char32_t c = einheit(i);
        if (c >= 0xDC00 && c <= 0xDFFF)
            return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 3 >= sRoh.size())
                return false;
            const char32_t d = einheit(i + 2);
            if (d < 0xDC00 || d > 0xDFFF)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (d - 0xDC00);
            i += 2;
        }
        Utf8Anhaengen(s, c);
    }
    sText = std::move(s);
    return true;
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

// A name in code page 850 (what DOS-era tools and many zip packers on
// Windows store) read as UTF-8; "" when the converter is missing.
std::string Cp850NachUtf8(const std::string& sRoh)
{
    iconv_t cd = ::iconv_open("UTF-8", "CP850");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "";
    std::string sEin = sRoh;
    std::string sAus(sRoh.size() * 4, '\0');
    char* pEin = sEin.data();
    char* pAus = sAus.data();
    size_t uEin = sEin.size(), uAus = sAus.size();
    const size_t r = ::iconv(cd, &pEin, &uEin, &pAus, &uAus);
    ::iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        return "";
    sAus.resize(sAus.size() - uAus);
    return sAus;
}

// The ways a name's bytes may be meant: as they are when they are UTF-8,
// otherwise as Windows-1252 and as code page 850, the two code pages that
// names unpacked from Windows archives come in.
std::vector<QString> Lesarten(const std::string& sRoh)
{
    if (bIstUtf8(sRoh))
        return {QString::fromUtf8(sRoh)};
    std::vector<QString> l{QString::fromUtf8(TextNachUtf8(sRoh))};
    const std::string s850 = Cp850NachUtf8(sRoh);
    if (!s850.empty())
        l.push_back(QString::fromUtf8(s850));
    return l;
}

// The first reading of a that equals one of b ignoring case; null when none.
const QString* pGleicheLesart(const std::vector<QString>& a, const std::vector<QString>& b)
{
    for (const QString& x : a)
        for (const QString& y : b)
            if (x.compare(y, Qt::CaseInsensitive) == 0)
                return &x;
    return nullptr;
}

bool bGleicheNamen(const std::vector<QString>& a, const std::vector<QString>& b)
{
    return pGleicheLesart(a, b) != nullptr;
}

// Which reading a name on disk that is not UTF-8 was found by, so that it
// is written back and shown as the panel spelt it. The language library
// and the engine look names up too, on whichever thread calls them, hence
// the lock.
std::mutex g_lesartenSperre;
std::map<std::string, std::string> g_gefundeneLesarten;

// True when every character that a byte above 127 became is a letter.
bool bNurBuchstabenOben(const QString& s)
{
    for (const QChar c : s)
        if (c.unicode() > 127 && !c.isLetter())
            return false;
    return true;
}

// The reading of a name that is no UTF-8 and was not found by a reading:
// the code page in which every byte above 127 is a letter ("F\x94rderband"
// reads "Förderband" in code page 850 and "F”rderband" in Windows-1252);
// Windows-1252 where both or neither read so.
std::string LesartNachBuchstaben(const std::string& sRoh)
{
    const std::string s1252 = TextNachUtf8(sRoh);
    if (bNurBuchstabenOben(QString::fromUtf8(s1252)))
        return s1252;
    const std::string s850 = Cp850NachUtf8(sRoh);
    if (!s850.empty() && bNurBuchstabenOben(QString::fromUtf8(s850)))
        return s850;
    return s1252;
}

void LesartMerken(const std::string& sRoh, const QString& sLesart)
{
    std::lock_guard<std::mutex> sperre(g_lesartenSperre);
    g_gefundeneLesarten[sRoh] = sLesart.toStdString();
}

// One path component, exact first, then ignoring case (first in byte order
// when several entries match). Names are compared as raw bytes and in their
// readings, never converted on the way: the path returned holds the bytes
// that are on disk.
std::string TeilSuchen(const std::string& sOrdner, const std::string& sTeil)
{
    const std::string sExakt = sOrdner + sTeil;
    if (bVorhanden(sExakt))
        return sExakt;
    DIR* pOrdner = ::opendir(sOrdner.c_str());
    if (!pOrdner)
        return "";
    std::vector<std::string> eintraege;
    while (const dirent* e = ::readdir(pOrdner)) {
        const std::string s = e->d_name;
        if (s != "." && s != "..")
            eintraege.push_back(s);
    }
    ::closedir(pOrdner);
    std::sort(eintraege.begin(), eintraege.end());
    const std::vector<QString> gesucht = Lesarten(sTeil);
    for (const std::string& sEintrag : eintraege) {
        const std::vector<QString> lesarten = Lesarten(sEintrag);
        if (const QString* pLesart = pGleicheLesart(lesarten, gesucht)) {
            if (!bIstUtf8(sEintrag))
                LesartMerken(sEintrag, *pLesart);
            return sOrdner + sEintrag;
        }
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

bool bTextDekodieren(const std::string& sRoh, std::string& sText)
{
    sText.clear();
    std::string s;
    if (sRoh.compare(0, 2, "\xFF\xFE") == 0) {
        if (!bUtf16NachUtf8(sRoh, 2, true, s))
            return false;
    } else if (sRoh.compare(0, 2, "\xFE\xFF") == 0) {
        if (!bUtf16NachUtf8(sRoh, 2, false, s))
            return false;
    } else {
        s = sRoh.compare(0, 3, "\xEF\xBB\xBF") == 0 ? sRoh.substr(3) : sRoh;
        // The end mark goes before the text is judged UTF-8 or not.
        while (!s.empty() && s.back() == '\x1A')
            s.pop_back();
        // Line by line: one line saved by another program in Windows-1252
        // must not make every UTF-8 line around it read as Windows-1252.
        sText = TextdateiNachUtf8(s);
        return true;
    }
    while (!s.empty() && s.back() == '\x1A')
        s.pop_back();
    sText = std::move(s);
    return true;
}

bool bTextDateiLesen(const std::string& sPfad, std::string& sText)
{
    std::string sRoh;
    return bDateiLesen(sPfad, sRoh) && bTextDekodieren(sRoh, sText);
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

bool bGleicherDateiname(const std::string& a, const std::string& b)
{
    return a == b || bGleicheNamen(Lesarten(a), Lesarten(b));
}

std::string NameAlsUtf8(const std::string& sRoh)
{
    if (bIstUtf8(sRoh))
        return sRoh;
    {
        std::lock_guard<std::mutex> sperre(g_lesartenSperre);
        const auto it = g_gefundeneLesarten.find(sRoh);
        if (it != g_gefundeneLesarten.end())
            return it->second;
    }
    return LesartNachBuchstaben(sRoh);
}

std::string PfadAlsUtf8(const std::string& sPfad)
{
    if (bIstUtf8(sPfad))
        return sPfad;
    std::string s;
    size_t i = 0;
    for (;;) {
        const size_t j = sPfad.find('/', i);
        s += NameAlsUtf8(sPfad.substr(i, j == std::string::npos ? std::string::npos : j - i));
        if (j == std::string::npos)
            return s;
        s += '/';
        i = j + 1;
    }
}

bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt)
{
    bool bAngelegt = false;
    return bDateiAtomarSchreiben(sPfad, sInhalt, bAngelegt);
}

bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt, bool& bAngelegt)
{
    return bDateiAtomarSchreiben(sPfad, sInhalt, bAngelegt, std::string());
}

bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt, bool& bAngelegt,
                           const std::string& sTempEndung)
{
    bAngelegt = false;
    if (sPfad.empty() || sPfad.back() == '/')
        return false;
    const size_t uStrich = sPfad.rfind('/');
    const std::string sOrdner = uStrich == std::string::npos ? "./" : sPfad.substr(0, uStrich + 1);
    const std::string sName = uStrich == std::string::npos ? sPfad : sPfad.substr(uStrich + 1);
    std::string sVorlage = sOrdner + "." + sName + ".tmpXXXXXX" + sTempEndung;
    std::vector<char> puffer(sVorlage.begin(), sVorlage.end());
    puffer.push_back('\0');
    const int iFd = ::mkstemps(puffer.data(), static_cast<int>(sTempEndung.size()));
    if (iFd < 0)
        return false;
    bAngelegt = true;
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

namespace {

// ".NAME" + sArt + six letters or digits + sEndung, NAME not empty.
bool bTempName(const std::string& s, const std::string& sArt, const std::string& sEndung)
{
    const size_t uRest = sArt.size() + 6 + sEndung.size();
    if (s.size() < 2 + uRest || s[0] != '.')
        return false;
    const size_t uArt = s.size() - uRest;
    if (s.compare(uArt, sArt.size(), sArt) != 0 ||
        s.compare(s.size() - sEndung.size(), sEndung.size(), sEndung) != 0)
        return false;
    for (size_t i = uArt + sArt.size(); i < s.size() - sEndung.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

// The entries of sOrdner (with '/') for which bNehmen holds, by their lstat.
template <typename F>
std::vector<std::string> Eintraege(const std::string& sOrdner, F bNehmen)
{
    std::vector<std::string> v;
    DIR* pOrdner = ::opendir(sOrdner.c_str());
    if (!pOrdner)
        return v;
    while (const dirent* pEintrag = ::readdir(pOrdner)) {
        const std::string s = pEintrag->d_name;
        struct stat st;
        if (::lstat((sOrdner + s).c_str(), &st) == 0 && bNehmen(s, st))
            v.push_back(sOrdner + s);
    }
    ::closedir(pOrdner);
    return v;
}

std::string MitStrich(const std::string& s)
{
    return s.empty() || s.back() == '/' ? s : s + '/';
}

bool bAelterAls(const struct stat& st, int iSekunden)
{
    return ::time(nullptr) - st.st_mtim.tv_sec >= iSekunden;
}

const std::string kWerdend = ".neu";

} // namespace

void VerwaisteTempDateienEntfernen(const std::string& sPfad)
{
    const size_t uStrich = sPfad.rfind('/');
    const std::string sOrdner = uStrich == std::string::npos ? "./" : sPfad.substr(0, uStrich + 1);
    const std::string sVorsilbe =
        "." + (uStrich == std::string::npos ? sPfad : sPfad.substr(uStrich + 1)) + ".tmp";
    // mkstemp adds exactly six characters.
    const auto reste = Eintraege(sOrdner, [&](const std::string& s, const struct stat&) {
        return s.size() == sVorsilbe.size() + 6 && s.compare(0, sVorsilbe.size(), sVorsilbe) == 0;
    });
    for (const std::string& s : reste)
        ::unlink(s.c_str());
}

void TempResteEntfernen(const std::string& sOrdner, const std::vector<std::string>& arten,
                        const std::string& sEndung, int iMindestAlterSek)
{
    const auto reste = Eintraege(MitStrich(sOrdner), [&](const std::string& s, const struct stat& st) {
        if (!S_ISREG(st.st_mode) || !bAelterAls(st, iMindestAlterSek))
            return false;
        return std::any_of(arten.begin(), arten.end(),
                           [&](const std::string& sArt) { return bTempName(s, sArt, sEndung); });
    });
    for (const std::string& s : reste)
        ::unlink(s.c_str());
}

TWerdenderOrdner::TWerdenderOrdner(const std::string& sZiel)
{
    m_sZiel = sZiel;
    while (m_sZiel.size() > 1 && m_sZiel.back() == '/')
        m_sZiel.pop_back();
    const size_t uStrich = m_sZiel.rfind('/');
    if (uStrich == std::string::npos || uStrich + 1 >= m_sZiel.size())
        return;
    // Held well below the longest name a folder may have.
    const std::string sName = m_sZiel.substr(uStrich + 1, 200);
    std::string sVorlage = m_sZiel.substr(0, uStrich + 1) + "." + sName + kWerdend + "XXXXXX";
    std::vector<char> puffer(sVorlage.begin(), sVorlage.end());
    puffer.push_back('\0');
    if (!::mkdtemp(puffer.data()))
        return;
    m_sPfad = std::string(puffer.data()) + "/";
    // A project folder as any other new folder, not mkdtemp's private one.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    ::chmod(puffer.data(), 0777 & ~maske);
    m_iFd = ::open(puffer.data(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_iFd >= 0)
        ::flock(m_iFd, LOCK_EX | LOCK_NB);
}

TWerdenderOrdner::~TWerdenderOrdner()
{
    if (!m_bFertig && !m_sPfad.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_sPfad, ec);
    }
    if (m_iFd >= 0)
        ::close(m_iFd);
}

bool TWerdenderOrdner::bFertigstellen()
{
    if (m_sPfad.empty() || m_bFertig)
        return m_bFertig;
    const std::string sVon = m_sPfad.substr(0, m_sPfad.size() - 1);
    if (::renameat2(AT_FDCWD, sVon.c_str(), AT_FDCWD, m_sZiel.c_str(), RENAME_NOREPLACE) == 0) {
        m_bFertig = true;
    } else if (errno == EINVAL || errno == ENOSYS) {
        // A file system without that rename: an empty folder of the name is
        // made first (failing when the name is taken), and a rename may
        // replace only an empty folder, so one filled meanwhile stays.
        if (::mkdir(m_sZiel.c_str(), 0777) == 0) {
            m_bFertig = ::rename(sVon.c_str(), m_sZiel.c_str()) == 0;
            // The empty folder would block the name as a copy cut short did.
            if (!m_bFertig) ::rmdir(m_sZiel.c_str());
        }
    }
    return m_bFertig;
}

void WerdendeOrdnerResteEntfernen(const std::string& sOrdner)
{
    const auto reste = Eintraege(MitStrich(sOrdner), [](const std::string& s, const struct stat& st) {
        return S_ISDIR(st.st_mode) && bAelterAls(st, 60) && bTempName(s, kWerdend, std::string());
    });
    for (const std::string& s : reste) {
        const int iFd = ::open(s.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (iFd < 0)
            continue;
        // Held by a Save as still going on in another process.
        if (::flock(iFd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code ec;
            std::filesystem::remove_all(s, ec);
        }
        ::close(iFd);
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
