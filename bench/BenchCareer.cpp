#include "BenchCareer.h"

#include "Bench.h"

#include "career/NewCareer.h"

#include <stdexcept>

namespace velmora::bench {

BenchCareer::BenchCareer() {
    form.Form_Load();
    fillNewCareerScreen(form);
    form.newCareer().Label3_Click(0);
    if (!platform.takeMessages().empty()) throw std::runtime_error("the new career reported a failure");
}

} // namespace velmora::bench
