#pragma once
// Named mutex across processes, used for the single-instance tests of the
// programs. Stands in for a mutex that is created owned and then waited on
// with a zero timeout: the constructor tries to take it at once and never
// blocks.
//
// The mutex is an exclusive flock() on a lock file named after the mutex
// (characters other than letters, digits, '-', '_' and '.' become '_') in
// $XDG_RUNTIME_DIR, or /tmp when that is not set. The lock is held until the
// object is destroyed or the process ends (also by a crash: the kernel drops
// the lock with the last file descriptor). A second object of the same name
// in the same process does not get it either, unlike a Windows mutex that
// its owning thread may take again; the programs only test once at start.
#include <string>

class TBenannterMutex {
public:
    explicit TBenannterMutex(const std::string& sName);
    ~TBenannterMutex();
    TBenannterMutex(const TBenannterMutex&) = delete;
    TBenannterMutex& operator=(const TBenannterMutex&) = delete;

    // True when this object holds the mutex (nobody else had it).
    bool bBesitzt() const;
    // Full path of the lock file (for diagnostics and tests).
    const std::string& sLockDatei() const { return m_sDatei; }

private:
    std::string m_sDatei;
    int m_iFd = -1;
    bool m_bBesitzt = false;
};
