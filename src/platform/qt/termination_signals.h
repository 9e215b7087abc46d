#pragma once

class QCoreApplication;

namespace platform {

// Ends the event loop in order when the process is asked to end (SIGTERM, SIGINT, SIGHUP:
// a logout, a kill, Ctrl+C in the terminal), so everything is torn down as on a normal exit.
// The spreadsheet in particular is let go of properly: an office still holding listeners of
// a vanished program fails on its next event.
void quitOnTerminationSignals(QCoreApplication& app);

}  // namespace platform
