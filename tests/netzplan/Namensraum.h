// Runs the current test case again inside a private network namespace, so
// that it may bind port 102 and add addresses without touching the machine.
#pragma once

#include <string>

namespace netzplantest {

// True in the run inside the namespace.
bool bImNamensraum();

struct NamensraumLauf {
    bool bUebersprungen = false;  // unshare refused, or the case skipped itself
    bool bBestanden = false;
    std::string sAusgabe;
};

// Runs this test program with a filter for the current test case inside a
// new network namespace (as root `unshare -n`, else `unshare -c -n
// --keep-caps`), loopback brought up first.
NamensraumLauf AktuellenFallImNamensraumAusfuehren();

} // namespace netzplantest

// At the start of a test case: outside the namespace, run the case inside
// it and report its result; inside, go on with the case's body.
#define IM_NAMENSRAUM_AUSFUEHREN()                                                  \
    do {                                                                            \
        if (!::netzplantest::bImNamensraum()) {                                     \
            const auto lauf = ::netzplantest::AktuellenFallImNamensraumAusfuehren(); \
            if (lauf.bUebersprungen)                                                \
                GTEST_SKIP() << "no private network namespace here:\n" << lauf.sAusgabe; \
            EXPECT_TRUE(lauf.bBestanden) << lauf.sAusgabe;                          \
            return;                                                                 \
        }                                                                           \
    } while (0)
