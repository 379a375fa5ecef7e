// Harness self-test only: the program entry's view of the core, for building the
// stand-in program before (and independently of) the real core.
#pragma once

namespace core {
int VelmoraProgram();
}
