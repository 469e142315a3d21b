#pragma once
// Millisecond clock and sleep in the Windows manner.
//
// The counter is the low 32 bits of a steady clock in milliseconds, so it
// wraps after about 49.7 days exactly like the Windows counter does; callers
// must compare times by unsigned difference (jetzt - vorher), never by '<'.
// All functions are thread-safe: the pacing thread and the GUI thread both
// read the clock while a test may freeze or advance it.
#include <cstdint>

// Milliseconds of the steady clock (low 32 bits).
uint32_t timeGetTime();
// Same counter as timeGetTime().
uint32_t GetTickCount();
// Blocks the calling thread for dwMs milliseconds (0 only yields). Sleeping
// uses the real clock, also while a test has frozen the counter, unless the
// test switched on TestSchlafUeberUhr.
void Sleep(uint32_t dwMs);

// Test hooks.
// Freezes the counter at dwMs; timeGetTime() returns that value until it is
// advanced or released.
void TestUhrSetzen(uint32_t dwMs);
// Advances the frozen counter by dwMs (wrapping). Freezes the clock at its
// current value first when it was running freely.
void TestUhrVorstellen(uint32_t dwMs);
// Back to the real steady clock.
void TestUhrFreigeben();
// While on, Sleep does not block: it advances the test clock by its time
// (freezing the clock first), so waits that watch the clock can be tested
// at once. Off by default.
void TestSchlafUeberUhr(bool bAn);
