#pragma once
// Every rise and set minute depends on bit-exact double arithmetic in the
// written order; fast-math would reorder and contract it.
#if defined(__FAST_MATH__)
#error "Almucan must not be compiled with -ffast-math"
#endif
