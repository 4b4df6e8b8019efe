// The console of console programs (velcomp).
#pragma once

namespace platform {

// Waits for one key press without echo. When standard input is no terminal, one byte is read
// instead, and the end of input goes on at once, so nothing ever waits in a pipeline.
void waitForKey();

// A console program started with only its standard error handed over (the editor reads it) has
// no standard input and output: they are opened on its console, so its text still shows there.
void useConsoleForMissingStreams();

}  // namespace platform
