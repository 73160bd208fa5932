#pragma once

#include <functional>

// Fixed waits between retries (the reconnect attempts wait 500 ms each).
// Tests replace the wait so the attempts are still made and counted, only faster.
namespace waits {

// Blocks the calling thread for ms milliseconds (or calls the installed handler).
void Sleep(int ms);

// Test seam: the handler is called with the requested milliseconds instead of
// waiting. An empty handler restores the real wait.
using Handler = std::function<void(int ms)>;
void SetHandler(Handler handler);

} // namespace waits
