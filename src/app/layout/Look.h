#pragma once

#include "ui/Control.h"

#include <cstdint>

namespace velmora {

class Window;

// The shared look of the title, career and record screens: a felt-green table with ivory cards,
// brass trim and DejaVu type. Only colours, fonts and shapes; no behaviour.
namespace look {

constexpr std::uint32_t kDeepFelt = 0x0F3D25;  // buttons and boards on the felt
constexpr std::uint32_t kPanelFelt = 0x134A2D; // the screens' panels
constexpr std::uint32_t kStripeFelt = 0x1A5C38;
constexpr std::uint32_t kStripeFeltDark = 0x154F30;
constexpr std::uint32_t kBrass = 0xC9A24A; // frames and primary buttons
constexpr std::uint32_t kGold = 0xF2D38A;  // headings on felt
constexpr std::uint32_t kIvory = 0xF6EFDD; // card stock; text on felt
constexpr std::uint32_t kIvoryStripe = 0xECE2C8;
constexpr std::uint32_t kInk = 0x10301D;      // text on ivory and on brass
constexpr std::uint32_t kMutedInk = 0x4F6455; // secondary text on ivory
constexpr std::uint32_t kMoney = 0x7A5A10;    // euro amounts on ivory

// Height in twips of one line of DejaVu Sans at the given size (1.164 em, 20 twips to the point).
int lineHeight(double points);
// Top inset that centres one line of text of the given size in a box of the given height.
int centredInset(int boxHeight, double points);

// Sets position and size.
void place(Control& control, int left, int top, int width, int height);
// A caption: transparent, in DejaVu Sans of the given size and colour.
void caption(Control& label, double points, bool bold, std::uint32_t colour, Align align = Align::Left);
// A self-contained button label: a rounded pill of its own colour with centred bold text. Its text
// is drawn from the top, so the pill is sized to hug one line.
void pill(Control& label, double points, std::uint32_t fill, std::uint32_t text, std::uint32_t frame);
// A button caption laid over its rounded frame: a pill of the frame's own size and colours, so the
// whole button answers a click and lights up, rounded, under the pointer.
void pillOver(Control& label, const Control& frame, double points, std::uint32_t text);
// A rounded, filled decoration shape (a card or a stripe).
Control& card(Window& w, const char* name, Control* panel, int left, int top, int width, int height,
              std::uint32_t fill, std::uint32_t frame, int radius);
// A screen of its own over the title menu or the dashboard (the careers list, the options): felt in
// a brass frame over the window's middle, hidden until it is opened.
Control& screenPanel(Window& w, const char* name);
// A panel of news over a screen (the week's report, a season's review): deep felt in a gold frame,
// hidden until shown. Item catcher of its label array lies under the others over the whole panel,
// so a click anywhere on it closes it.
Control& newsPanel(Window& w, const char* name, Control* parent, int left, int top, int width, int height,
                   const char* labels, int catcher);

} // namespace look
} // namespace velmora
