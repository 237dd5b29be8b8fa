#pragma once

#include "BenchFolder.h"

#include "app/Form1.h"
#include "ui/ScriptedPlatform.h"

namespace velmora::bench {

// The new-career screen filled in as a player would: names, age, the first nation of the list.
void fillNewCareerScreen(Form1& form);

// A game loaded in a scratch folder of its own, with a new career made as a player would make it
// (see fillNewCareerScreen): the dashboard of its first week is up.
struct BenchCareer {
    BenchCareer();

    BenchFolder folder;
    ScriptedPlatform platform{folder.path()};
    Form1 form{platform};
};

} // namespace velmora::bench
