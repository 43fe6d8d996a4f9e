// Polling with a deadline: every wait of the end-to-end tests goes through here.
#pragma once

#include <windows.h>

namespace e2e {

// Generous enough for a cold Wine start and the program's own fixed start-up sleeps.
constexpr DWORD kWindowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 15000;
constexpr DWORD kPollMs = 50;

// Calls condition until it holds or timeoutMs pass; answers the last result.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kWindowTimeoutMs)
{
    // Elapsed time by unsigned difference stays right across the tick counter's wrap.
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return condition();
        ::Sleep(kPollMs);
    }
}

} // namespace e2e
