#include "Bench.h"

namespace velmora::bench {

// Not measured yet.
void careerFigures() {}

} // namespace velmora::bench
