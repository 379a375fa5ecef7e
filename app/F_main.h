// F_main: the hidden control window. It owns the start-up and shutdown order,
// the 50 ms and 1 s timers and the internal command message through which every
// other source of events reaches the user-interface thread.
// Its message and command numbers are shared/event_codes.h's.
#pragma once

namespace app {

// Pieces of the program (program.h runs them in order), for tests that drive
// the control window directly.
bool SingleInstanceCheck();  // false: another copy runs; it was told to show itself
bool CreateControlWindow();  // the numbered start-up sequence; StartupComplete on success
void OpenForms();
void RunProgramLoop();
// The maintenance switches' jobs, run once the forms are open.
void RunBatchJob();

}  // namespace app
