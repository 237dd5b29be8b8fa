#include "Bench.h"

namespace velmora::bench {

// Not measured yet.
void startUpFigures() {}

} // namespace velmora::bench
