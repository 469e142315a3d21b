// Named mutex as an exclusive flock() on a lock file. The kernel releases
// the lock when the descriptor closes, also when the process dies, so a
// crashed instance never blocks the next start.
#include "WinMutex.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string DateisichererName(const std::string& sName)
{
    std::string s;
    s.reserve(sName.size());
    for (unsigned char c : sName) {
        const bool bErlaubt = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                              (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        s += bErlaubt ? static_cast<char>(c) : '_';
    }
    // "." and ".." would name folders, not files.
    if (s.empty() || s == "." || s == "..")
        s = "_" + s;
    return s;
}

std::string LockOrdner()
{
    const char* pc = std::getenv("XDG_RUNTIME_DIR");
    std::string s = (pc && *pc) ? pc : "/tmp";
    if (s.back() != '/')
        s += '/';
    return s;
}

} // namespace

TBenannterMutex::TBenannterMutex(const std::string& sName)
    : m_sDatei(LockOrdner() + DateisichererName(sName) + ".lock")
{
    m_iFd = ::open(m_sDatei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_iFd < 0)
        return;
    if (::flock(m_iFd, LOCK_EX | LOCK_NB) == 0) {
        m_bBesitzt = true;
    } else {
        ::close(m_iFd);
        m_iFd = -1;
    }
}

TBenannterMutex::~TBenannterMutex()
{
    // The file stays: removing it would race with a process that has just
    // opened it and is about to lock it.
    if (m_iFd >= 0)
        ::close(m_iFd);
}

bool TBenannterMutex::bBesitzt() const
{
    return m_bBesitzt;
}
