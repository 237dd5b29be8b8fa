#include "Bench.h"
#include "BenchFolder.h"

#include "app/Form1.h"
#include "career/Dashboard.h"
#include "support/WorldBuilder.h"
#include "ui/ScriptedPlatform.h"

#include <memory>
#include <stdexcept>

namespace velmora::bench {

// Start-up to the title menu, and one dashboard refresh (twelve ranking reads over 2000 players).
void startUpFigures() {
    BenchFolder folder;
    ScriptedPlatform platform(folder.path());

    const double startUp = bestMs(5, [&] {
        Form1 form(platform);
        form.Form_Load();
    });
    report("start-up to the title menu", startUp, "ms");
    if (!platform.takeMessages().empty()) throw std::runtime_error("the start-up reported a failure");

    Form1 form(platform);
    form.Form_Load();
    test::WorldOptions world;
    world.humanPoints = 900;
    test::buildWorld(form.db(), world);
    const double refresh = bestMs(5, [&] { form.dashboard().refresh(); });
    report("dashboard refresh, 2000 players", refresh, "ms");
    const double positions = bestMs(5, [&] { form.dashboard().rankingPositions(); });
    report("twelve ranking positions, 2000 players", positions, "ms");

    // The finals weeks also read the eight best of the week's game.
    form.temp().setNumber("settimana", 50);
    const double finals = bestMs(5, [&] { form.dashboard().refresh(); });
    report("dashboard refresh in a finals week", finals, "ms");
}

} // namespace velmora::bench
