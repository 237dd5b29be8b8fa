#include "app/layout/Look.h"

#include "app/layout/Screens.h"
#include "ui/Window.h"

namespace velmora::look {

int lineHeight(double points) {
    return static_cast<int>(points * 20 * 1.164 + 0.5);
}

int centredInset(int boxHeight, double points) {
    return (boxHeight - lineHeight(points)) / 2;
}

void place(Control& control, int left, int top, int width, int height) {
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
}

void caption(Control& label, double points, bool bold, std::uint32_t colour, Align align) {
    label.backTransparent = true;
    label.font = {"DejaVu Sans", points, bold, false};
    label.foreColor = colour;
    label.align = align;
}

void pill(Control& label, double points, std::uint32_t fill, std::uint32_t text, std::uint32_t frame) {
    label.backTransparent = false;
    label.backColor = fill;
    label.foreColor = text;
    label.font = {"DejaVu Sans", points, true, false};
    label.align = Align::Center;
    label.border = true;
    label.borderColor = frame;
    label.radius = label.height / 2;
    label.clickable = true;
    label.wordWrap = false;
}

void pillOver(Control& label, const Control& frame, double points, std::uint32_t text) {
    place(label, frame.left, frame.top, frame.width, frame.height);
    pill(label, points, frame.backColor, text, frame.borderColor);
}

Control& card(Window& w, const char* name, Control* panel, int left, int top, int width, int height,
              std::uint32_t fill, std::uint32_t frame, int radius) {
    Control& shape = w.add(name, ControlKind::Shape, panel);
    place(shape, left, top, width, height);
    shape.backTransparent = false;
    shape.backColor = fill;
    shape.borderColor = frame;
    shape.radius = radius;
    return shape;
}

Control& screenPanel(Window& w, const char* name) {
    Control& panel = w.add(name, ControlKind::Panel);
    place(panel, 240, 3360, kWindowWidth - 480, kWindowHeight - 3600);
    panel.backTransparent = false;
    panel.backColor = kPanelFelt;
    panel.border = true;
    panel.borderColor = kBrass;
    panel.visible = false;
    return panel;
}

Control& newsPanel(Window& w, const char* name, Control* parent, int left, int top, int width, int height,
                   const char* labels, int catcher) {
    Control& panel = w.add(name, ControlKind::Panel, parent);
    place(panel, left, top, width, height);
    panel.backTransparent = false;
    panel.backColor = kDeepFelt;
    panel.border = true;
    panel.borderColor = kGold;
    panel.radius = 360;
    panel.clickable = true;
    panel.visible = false;
    w.addArray(labels, catcher, catcher, ControlKind::Label, &panel);
    place(w(labels, catcher), 0, 0, width, height);
    w(labels, catcher).clickable = true;
    return panel;
}

} // namespace velmora::look
