// harlenzutils40: file and folder tests, copying and path splitting.
#include "harlenzutils40.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Position of the file name part (one past the last '/').
size_t NamensAnfang(const char* pcPfad)
{
    const char* pcStrich = std::strrchr(pcPfad, '/');
    return pcStrich ? static_cast<size_t>(pcStrich - pcPfad) + 1 : 0;
}

// Position of the extension's dot within the file name part, or npos.
size_t EndungsPunkt(const char* pcPfad)
{
    const size_t uName = NamensAnfang(pcPfad);
    const char* pcPunkt = std::strrchr(pcPfad + uName, '.');
    return pcPunkt ? static_cast<size_t>(pcPunkt - pcPfad) : std::string::npos;
}

bool bAllesSchreiben(int iFd, const char* p, size_t n)
{
    while (n > 0) {
        const ssize_t k = ::write(iFd, p, n);
        if (k < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += k;
        n -= static_cast<size_t>(k);
    }
    return true;
}

bool bKopieInsOffene(int iQuelle, int iZiel)
{
    std::vector<char> puffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(iQuelle, puffer.data(), puffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return ::fsync(iZiel) == 0;
        if (!bAllesSchreiben(iZiel, puffer.data(), static_cast<size_t>(n)))
            return false;
    }
}

} // namespace

extern "C" {

bool U_DateiVorhanden(const char* pcPfad)
{
    struct stat st;
    return pcPfad && *pcPfad && ::stat(pcPfad, &st) == 0 && S_ISREG(st.st_mode);
}

bool U_VerzeichnisVorhanden(const char* pcPfad)
{
    struct stat st;
    return pcPfad && *pcPfad && ::stat(pcPfad, &st) == 0 && S_ISDIR(st.st_mode);
}

bool U_IstVerzeichnisSchreibgeschuetzt(const char* pcPfad)
{
    if (!U_VerzeichnisVorhanden(pcPfad))
        return true;
    // Creating a file needs write and search permission on the folder.
    return ::access(pcPfad, W_OK | X_OK) != 0;
}

int64_t U_GetFileSizeBytes(const char* pcPfad)
{
    struct stat st;
    if (!pcPfad || ::stat(pcPfad, &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<int64_t>(st.st_size);
}

bool U_DateiKopieren(const char* pcZiel, const char* pcQuelle)
{
    if (!pcZiel || !pcQuelle || !*pcZiel)
        return false;
    const int iQuelle = ::open(pcQuelle, O_RDONLY | O_CLOEXEC);
    if (iQuelle < 0)
        return false;
    struct stat stQuelle;
    if (::fstat(iQuelle, &stQuelle) != 0 || !S_ISREG(stQuelle.st_mode)) {
        ::close(iQuelle);
        return false;
    }
    struct stat stZiel;
    if (::stat(pcZiel, &stZiel) == 0 && stZiel.st_dev == stQuelle.st_dev &&
        stZiel.st_ino == stQuelle.st_ino) {
        ::close(iQuelle);
        return true;  // the file onto itself: nothing to do
    }

    const std::string sZiel(pcZiel);
    const size_t uName = NamensAnfang(pcZiel);
    std::string sTemp = sZiel.substr(0, uName) + "." + sZiel.substr(uName) + ".kopieXXXXXX";
    std::vector<char> vorlage(sTemp.begin(), sTemp.end());
    vorlage.push_back('\0');
    const int iZiel = ::mkstemp(vorlage.data());
    if (iZiel < 0) {
        ::close(iQuelle);
        return false;
    }
    sTemp = vorlage.data();
    bool bOk = ::fchmod(iZiel, stQuelle.st_mode & 0777) == 0 && bKopieInsOffene(iQuelle, iZiel);
    ::close(iQuelle);
    if (::close(iZiel) != 0)
        bOk = false;
    if (bOk && ::rename(sTemp.c_str(), pcZiel) != 0)
        bOk = false;
    if (!bOk)
        ::unlink(sTemp.c_str());
    return bOk;
}

void U_FilenameVonPfadEntfernen(char* pcZiel, const char* pcPfad)
{
    if (!pcZiel || !pcPfad)
        return;
    const size_t n = NamensAnfang(pcPfad);
    std::memmove(pcZiel, pcPfad, n);
    pcZiel[n] = '\0';
}

void U_GetFilenameVonPfad(char* pcZiel, const char* pcPfad)
{
    if (!pcZiel || !pcPfad)
        return;
    const char* pcName = pcPfad + NamensAnfang(pcPfad);
    std::memmove(pcZiel, pcName, std::strlen(pcName) + 1);
}

void U_GetDateiEndung(char* pcZiel, const char* pcPfad)
{
    if (!pcZiel || !pcPfad)
        return;
    const size_t uPunkt = EndungsPunkt(pcPfad);
    if (uPunkt == std::string::npos) {
        pcZiel[0] = '\0';
        return;
    }
    const char* pcEndung = pcPfad + uPunkt + 1;
    std::memmove(pcZiel, pcEndung, std::strlen(pcEndung) + 1);
}

void U_DateiEndungEntfernen(char* pcPfad)
{
    if (!pcPfad)
        return;
    const size_t uPunkt = EndungsPunkt(pcPfad);
    if (uPunkt != std::string::npos)
        pcPfad[uPunkt] = '\0';
}

} // extern "C"
