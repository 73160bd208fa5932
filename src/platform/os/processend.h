#pragma once

#include <functional>

// Every end of the program is an immediate process termination with exit code 0:
// no connection is closed, no callback unregistered, no destructor runs.
// Tests replace the real end with a recorder (one place for this seam).
namespace processend {

using Handler = std::function<void(int exitCode)>;

// Ends the process at once (the real behaviour). With a handler installed the
// handler is called instead and EndProcessNow returns, so every caller returns
// right after calling it and does nothing more.
void EndProcessNow(int exitCode = 0);

// Installs a handler instead of the real end; an empty handler restores it.
void SetHandler(Handler handler);

} // namespace processend
