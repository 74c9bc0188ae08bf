#pragma once
// The program's one pseudo-random generator, shared by every window. Windows that need
// repeatable sample data re-seed it with a fixed number.

namespace vb {

double Rnd();                // uniform in [0, 1)
void Randomize();            // seeds from the clock
void Randomize(double seed); // the same seed always gives the same sequence

} // namespace vb
