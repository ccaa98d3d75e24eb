#pragma once

namespace mirvel {

// The process entry: single-instance guard, the windows in their order, the
// event loop. Returns the exit status (1 when a start-up check ends the program).
int RunProgram(int argc, char** argv);

}  // namespace mirvel
