#pragma once
// Included first by every header under model/, view/, input/ and core/: those are the grid's
// internals. Outside the grid library only its tests and benchmarks may see them; windows use
// the public headers at the top of components/grid.

#ifndef TESSIX_GRID_INTERNALS
#error "internal grid header: outside the grid include only the headers in components/grid/"
#endif
