#include "Bench.h"
#include "BenchCareer.h"
#include "ScreenPaint.h"

#include "app/Form1.h"
#include "tournament/GameTable.h"
#include "ui/qt/WindowView.h"

#include <QApplication>
#include <QImage>

#include <stdexcept>
#include <string>

namespace velmora::bench {

namespace {

constexpr int kWideWidth = 3840, kWideHeight = 2160;
// Manches played before the picture is taken: the middle of the hand.
constexpr int kMidHandCards = 7;
constexpr int kRepaints = 100;

bool click(Form1& form, const std::string& name, int index = -1) {
    return form.window().click(name, index);
}

// A new career entered in the first week's Brisolo event, played to the middle of the hand: the
// human plays his first card whenever it is his turn.
void playToMidHand(Form1& form, ScriptedPlatform& platform) {
    const Rows events =
        form.db().query("SELECT torneo FROM calendario where settimana=1 and gioco='Brisolo'");
    const std::string brisolo = events.last() >= 0 ? events.at(0, 0).str() : std::string("?");
    int slot = -1;
    for (int i = 0; i < 4 && slot < 0; ++i) {
        const Control& event = form.c("Label5", i);
        if (event.visible && event.text.rfind(brisolo, 0) == 0) slot = i;
    }
    if (slot < 0 || !click(form, "Label6", slot) || !click(form, "Label39") || !click(form, "Label42"))
        throw std::runtime_error("no Brisolo table to play in the first week");
    Window& window = form.window();
    GameTable* table = form.gameTable();
    long long now = window.now();
    for (int played = 0; played < kMidHandCards;) {
        if (table && table->humanToPlay()) {
            for (int card = 0; card < 27; ++card) {
                if (form.c("Image11", card).visible && click(form, "Image11", card)) {
                    ++played;
                    break;
                }
            }
        }
        now += 100;
        platform.setNow(now);
        window.setNow(now);
        window.runDueTimers(now);
        if (now > 600000) throw std::runtime_error("the Brisolo table did not reach the middle of the hand");
    }
    if (!platform.takeMessages().empty()) throw std::runtime_error("the table reported a failure");
}

} // namespace

// One whole repaint of a table in the middle of a hand on a 4K screen: every card, seat and both
// boards drawn into the window's picture.
void tableFigures() {
    benchApplication();

    BenchCareer career;
    Form1& form = career.form;
    playToMidHand(form, career.platform);

    WindowView view(form.window());
    const QSize size(kWideWidth, kWideHeight);
    QImage picture(size, QImage::Format_RGB32);
    // Shown, as the player's window is: the toolkit then leaves out what an opaque control covers.
    view.resize(size);
    view.show();
    QApplication::processEvents();
    view.shot(size); // lays the view out and reads every picture once, as the first frame would
    // A hundred repaints, about a second of drawing: on a shared machine other work slows whole
    // stretches of a second down, and the best of a longer run is the repaint's own cost.
    report("table repaint at 3840x2160", bestCpuMs(kRepaints, [&] { view.render(&picture); }), "ms");
    report("table repaint at 3840x2160, wall time", bestMs(kRepaints, [&] { view.render(&picture); }), "ms");
}

} // namespace velmora::bench
