// Cases that need port 102 or extra addresses run again in a private network
// namespace of their own: as root "unshare -n", as an ordinary user
// "unshare -c -n --keep-caps" (same user id, so the session bus still takes
// the test, and the right to bind ports below 1024 inside). The loopback
// interface is brought up first. Where unshare is refused the case is
// skipped.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// A TCP port that is free on 127.0.0.1 right now (the kernel's choice).
uint16_t wFreierPort();
// Connects to ip:port over TCP (blocking); the socket or -1.
int iVerbinden(const std::string& sIP, uint16_t wPort);
// Number of descriptors the process holds.
int iOffeneDeskriptoren();
// Switches this process's right to bind ports below 1024 off or on again
// (tests run as root, where such a bind never fails for want of it); false
// when the system refuses.
bool bPortRechtSetzen(bool bAn);

// True inside the namespace run.
bool bImNetzNamensraum();
// Runs the current test alone inside a new namespace: its exit code, or -1
// when the namespace cannot be made or sVorbereitung fails there (extra shell
// commands run in the namespace before the test, "ip addr add ...").
int iImNetzNamensraumWiederholen(const std::string& sVorbereitung = "");

#define IM_NETZNAMENSRAUM_AUSFUEHREN(vorbereitung)                                          \
    do {                                                                                    \
        if (!bImNetzNamensraum()) {                                                         \
            const int iNsErgebnis = iImNetzNamensraumWiederholen(vorbereitung);             \
            if (iNsErgebnis < 0)                                                            \
                GTEST_SKIP() << "no private network namespace here (unshare or its set-up refused)";      \
            EXPECT_EQ(iNsErgebnis, 0) << "the case failed inside its network namespace";    \
            return;                                                                         \
        }                                                                                   \
    } while (0)
