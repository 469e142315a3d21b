// Named shared memory with the lifetime of a paging-file mapping.
//
// Each opener keeps a shared flock() on its shm descriptor; the lock tells
// the others that a live process still holds the block. Opening and closing
// run under one machine-wide guard object (never removed, empty), so that
// the test "can I lock exclusively" and the following step (zeroing and
// downgrading, or unlinking) cannot interleave between processes: flock's
// downgrade from exclusive to shared is not atomic by itself.
#include "WinSharedMemory.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ShmName(const std::string& sName)
{
    std::string s = "/";
    for (char c : sName)
        s += (c == '/') ? '_' : c;
    return s;
}

int iFlock(int iFd, int iArt)
{
    int r;
    do {
        r = ::flock(iFd, iArt);
    } while (r != 0 && errno == EINTR);
    return r;
}

// Holds the guard of one name while alive.
class TWaechter {
public:
    TWaechter()
    {
        // Per user: the blocks themselves are private to their user (0600).
        const std::string sName =
            "/harlenz_geteilter_speicher." + std::to_string(::getuid()) + ".waechter";
        m_iFd = ::shm_open(sName.c_str(), O_RDWR | O_CREAT, 0600);
        if (m_iFd >= 0 && iFlock(m_iFd, LOCK_EX) != 0) {
            ::close(m_iFd);
            m_iFd = -1;
        }
    }
    ~TWaechter()
    {
        if (m_iFd >= 0)
            ::close(m_iFd);  // closing drops the lock
    }
    bool bOk() const { return m_iFd >= 0; }

private:
    int m_iFd = -1;
};

} // namespace

bool bGeteiltenSpeicherOeffnen(const std::string& sName, size_t uGroesse,
                               TGeteilterSpeicher& speicher)
{
    GeteiltenSpeicherSchliessen(speicher);
    if (sName.empty() || uGroesse == 0)
        return false;
    const std::string sShm = ShmName(sName);
    TWaechter waechter;
    if (!waechter.bOk())
        return false;

    const int iFd = ::shm_open(sShm.c_str(), O_RDWR | O_CREAT, 0600);
    if (iFd < 0)
        return false;

    bool bNeu = false;
    if (iFlock(iFd, LOCK_EX | LOCK_NB) == 0) {
        // No live holder: whatever is there is left over from a crash (or
        // nothing). Start from a zeroed block like a fresh mapping.
        bNeu = true;
        if (::ftruncate(iFd, 0) != 0 || ::ftruncate(iFd, static_cast<off_t>(uGroesse)) != 0 ||
            iFlock(iFd, LOCK_SH) != 0) {
            ::close(iFd);
            ::shm_unlink(sShm.c_str());
            return false;
        }
    } else {
        if (iFlock(iFd, LOCK_SH) != 0) {
            ::close(iFd);
            return false;
        }
        struct stat st;
        if (::fstat(iFd, &st) != 0) {
            ::close(iFd);
            return false;
        }
        // A holder that asked for less: grow (new bytes read as zero).
        if (static_cast<size_t>(st.st_size) < uGroesse &&
            ::ftruncate(iFd, static_cast<off_t>(uGroesse)) != 0) {
            ::close(iFd);
            return false;
        }
    }

    void* p = ::mmap(nullptr, uGroesse, PROT_READ | PROT_WRITE, MAP_SHARED, iFd, 0);
    if (p == MAP_FAILED) {
        // Leave the name for the other holders; remove it when we were alone.
        if (bNeu)
            ::shm_unlink(sShm.c_str());
        ::close(iFd);
        return false;
    }
    speicher.pBasis = p;
    speicher.uGroesse = uGroesse;
    speicher.bNeuAngelegt = bNeu;
    speicher.iFd = iFd;
    speicher.sName = sShm;
    return true;
}

void GeteiltenSpeicherSchliessen(TGeteilterSpeicher& speicher)
{
    if (speicher.pBasis)
        ::munmap(speicher.pBasis, speicher.uGroesse);
    if (speicher.iFd >= 0) {
        TWaechter waechter;
        // Exclusive only when no other process holds its shared lock.
        if (waechter.bOk() && iFlock(speicher.iFd, LOCK_EX | LOCK_NB) == 0)
            ::shm_unlink(speicher.sName.c_str());
        ::close(speicher.iFd);
    }
    speicher = TGeteilterSpeicher{};
}
