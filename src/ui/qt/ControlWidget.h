#pragma once

#include "ui/Accessible.h"
#include "ui/Control.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

namespace velmora {

class PictureCache;

// The widget of one panel, label, picture or shape: it paints the control's current look straight
// from the model, scaled by the stage factor, and reports a click (press and release on it).
class ControlWidget : public QWidget {
  public:
    // The control must outlive the widget; the cache is shared by every widget of the view.
    ControlWidget(const Control& control, PictureCache& pictures, QWidget* parent);

    // Stage pixels per design pixel; fonts, borders and corners follow it.
    void setFactor(double factor);
    // The control's look has changed: drawn afresh at the next paint.
    void lookChanged();
    // Runs on a click of the left button.
    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    // Runs as the pointer comes onto the widget (true) and leaves it (false).
    void setHoverHandler(std::function<void(bool over)> handler) { m_onHover = std::move(handler); }
    const Control& control() const { return m_control; }
    // What a screen reader is told of the control (the model words it).
    void setDescription(std::function<Accessible()> describe) { m_describe = std::move(describe); }
    Accessible description() const;
    // Presses the control as a click would: from the keyboard (Enter or Space once Tab has brought
    // the focus here) or from a screen reader's action.
    void press();
    // While veiled the widget draws nothing (a card sliding into it is drawn over the stage) but
    // takes clicks as ever.
    void setVeiled(bool veiled);
    bool veiled() const { return m_veiled; }

    // A control's font at the given scale for a device of the given logical dpi. Symbol faces are
    // drawn with the ordinary face (their letters are mapped to symbols).
    static QFont scaledFont(const Font& font, double factor, double logicalDpi);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click: it clicks nothing, so a double click acts once.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void paintLook(class QPainter& painter);
    void paintPicture(class QPainter& painter, bool naturalSize);
    // The caption, laid out once per look and size and kept as a picture: a board's columns are
    // hundreds of laid-out lines, and a table repaints often.
    void drawCaption(class QPainter& painter);
    void paintCaption(class QPainter& painter);

    const Control& m_control;
    PictureCache& m_pictures;
    double m_factor = 1.0;
    bool m_pressed = false;
    bool m_hovered = false; // the pointer is over a clickable control
    bool m_veiled = false;
    QPixmap m_caption; // the caption as last drawn; null when it must be drawn again
    QPixmap m_drawn;   // the whole control as last drawn, for the curved ones
    QPixmap m_picture; // the picture as shown, scaled to the widget
    std::string m_pictureKey; // the picture m_picture was scaled from
    std::function<void()> m_onClick;
    std::function<void(bool)> m_onHover;
    std::function<Accessible()> m_describe;
};

} // namespace velmora
