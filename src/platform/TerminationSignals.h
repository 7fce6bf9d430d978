#pragma once

namespace kelvane {

// SIGTERM, SIGHUP and SIGINT turned from interruptions into data: after
// WatchTerminationSignals, each such signal writes one byte that the
// returned descriptor then reads, so an event loop can end the program in
// its own time. Gives -1 when that could not be set up (the signals then
// keep their actions). Watching again gives the same descriptor.
int WatchTerminationSignals();

// Reads the byte of one signal from the descriptor.
void TakeTerminationSignal(int descriptor);

// Gives the three signals their default actions back.
void StopWatchingTerminationSignals();

} // namespace kelvane
