// Polling with a deadline. While it waits it dispatches this thread's messages, because the
// test thread may own windows or the clipboard that other processes talk to.
#pragma once

#include <chrono>
#include <functional>

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// Calls predicate until it returns true (then true) or timeout has passed (then false; the
// predicate is asked one last time at the deadline). Polls every interval.
bool WaitUntil(const std::function<bool()>& predicate, Millis timeout, Millis interval = 10ms);

// Dispatches the messages waiting for this thread.
void PumpMessages();

}  // namespace e2e
