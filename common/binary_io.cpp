// Little-endian record helpers are header templates; this unit checks the platform assumption.
#include "common/binary_io.hpp"

#include <limits>

static_assert(sizeof(float) == 4 && sizeof(double) == 8, "IEEE 754 single and double required");
static_assert(std::numeric_limits<double>::is_iec559, "IEEE 754 doubles required");
