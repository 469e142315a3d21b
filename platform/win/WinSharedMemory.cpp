// Named shared memory with the lifetime of a paging-file mapping.
//
// An unprefixed mapping name on the original platform belongs to the user's
// session, so the block is a file in $XDG_RUNTIME_DIR (else /tmp/harlenz-<uid>)
// mapped with mmap: every user and every session with its own runtime folder
// gets its own block.
//
// Each opener keeps a shared flock() on its shm descriptor; the lock tells
// the others that a live process still holds the block. Opening and closing
// run under one machine-wide guard object (never removed, empty), so that
// the test "can I lock exclusively" and the following step (zeroing and
// downgrading, or unlinking) cannot interleave between processes: flock's
// downgrade from exclusive to shared is not atomic by itself.
#include "WinSharedMemory.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SitzungsOrdner()
{
    const char* pc = std::getenv("XDG_RUNTIME_DIR");
    if (pc && *pc)
        return std::string(pc) + "/";
    const std::string s = "/tmp/harlenz-" + std::to_string(::getuid());
    ::mkdir(s.c_str(), 0700);
    return s + "/";
}

std::string ShmName(const std::string& sName)
{
    std::string s = SitzungsOrdner() + "harlenz-shm.";
    for (char c : sName)
        s += (c == '/') ? '_' : c;
    return s;
}

int iBlockOeffnen(const std::string& sDatei)
{
    return ::open(sDatei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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
        m_iFd = iBlockOeffnen(SitzungsOrdner() + "harlenz-shm.waechter");
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
                               TGeteilterSpeicher& speicher, TSpeicherFehler* pFehler)
{
    TSpeicherFehler eFehlerErsatz;
    TSpeicherFehler& eFehler = pFehler ? *pFehler : eFehlerErsatz;
    eFehler = TSpeicherFehler::Anlegen;
    GeteiltenSpeicherSchliessen(speicher);
    if (sName.empty() || uGroesse == 0)
        return false;
    const std::string sShm = ShmName(sName);
    TWaechter waechter;
    if (!waechter.bOk())
        return false;

    // Created here, or there already: a name that exists but cannot be
    // opened is the other failure than a block that cannot be made.
    int iFd = ::open(sShm.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (iFd < 0 && errno == EEXIST) {
        eFehler = TSpeicherFehler::Oeffnen;
        iFd = iBlockOeffnen(sShm);
    }
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
            ::unlink(sShm.c_str());
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
        eFehler = TSpeicherFehler::Abbilden;
        // Leave the name for the other holders; remove it when we were alone.
        if (bNeu)
            ::unlink(sShm.c_str());
        ::close(iFd);
        return false;
    }
    speicher.pBasis = p;
    speicher.uGroesse = uGroesse;
    speicher.bNeuAngelegt = bNeu;
    speicher.iFd = iFd;
    speicher.sName = sShm;
    eFehler = TSpeicherFehler::Keiner;
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
            ::unlink(speicher.sName.c_str());
        ::close(speicher.iFd);
    }
    speicher = TGeteilterSpeicher{};
}
