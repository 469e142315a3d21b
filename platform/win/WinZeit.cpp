// Millisecond counter: low 32 bits of the steady clock, with a test clock
// that can be frozen and advanced.
#include "WinZeit.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// -1: the real clock runs; otherwise the frozen 32-bit value. One atomic
// word, so readers on other threads never see a half-set test clock.
std::atomic<int64_t> g_iTestUhr{-1};

uint32_t EchteUhr()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

} // namespace

uint32_t timeGetTime()
{
    const int64_t iTest = g_iTestUhr.load(std::memory_order_acquire);
    if (iTest >= 0)
        return static_cast<uint32_t>(iTest);
    return EchteUhr();
}

uint32_t GetTickCount()
{
    return timeGetTime();
}

namespace {
std::atomic<bool> g_bSchlafUeberTestUhr{false};
}

void Sleep(uint32_t dwMs)
{
    if (g_bSchlafUeberTestUhr.load(std::memory_order_acquire)) {
        TestUhrVorstellen(dwMs);
        return;
    }
    if (dwMs == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(dwMs));
}

void TestUhrSetzen(uint32_t dwMs)
{
    g_iTestUhr.store(static_cast<int64_t>(dwMs), std::memory_order_release);
}

void TestUhrVorstellen(uint32_t dwMs)
{
    int64_t iAlt = g_iTestUhr.load(std::memory_order_acquire);
    for (;;) {
        const uint32_t dwBasis = iAlt >= 0 ? static_cast<uint32_t>(iAlt) : EchteUhr();
        const int64_t iNeu = static_cast<int64_t>(static_cast<uint32_t>(dwBasis + dwMs));
        if (g_iTestUhr.compare_exchange_weak(iAlt, iNeu, std::memory_order_acq_rel))
            return;
    }
}

void TestUhrFreigeben()
{
    g_iTestUhr.store(-1, std::memory_order_release);
}

void TestSchlafUeberUhr(bool bAn)
{
    g_bSchlafUeberTestUhr.store(bAn, std::memory_order_release);
}
