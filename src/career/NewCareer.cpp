#include "career/NewCareer.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void NewCareer::Label3_Click(int index) {
    (void)index;
}

} // namespace velmora
