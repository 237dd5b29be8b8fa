#include "ui/qt/ControlWidget.h"

#include "ui/qt/PictureCache.h"
#include "ui/qt/SymbolText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>

namespace velmora {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kDesignDpi = 96.0;
// A tenth of the window's area, in square twips.
constexpr long long kLargeTwipsSquared = 28660LL * 15600 / 10;
const QColor kDisabledText(128, 128, 128);
const QColor kDimmedVeil(10, 25, 15, 140);
const QColor kMarkedRim(255, 213, 74);
const QColor kFramedRim(0, 160, 255);
const QColor kHoverVeil(255, 255, 255, 40);

QColor rgb(std::uint32_t colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

Qt::Alignment horizontal(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

ControlWidget::ControlWidget(const Control& control, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), m_control(control), m_pictures(pictures) {
    // Shapes are drawings on the table: clicks go through them to what lies below.
    if (control.kind == ControlKind::Shape) setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ControlWidget::setFactor(double factor) {
    if (factor == m_factor) return;
    m_factor = factor;
    m_caption = QPixmap();
    m_drawn = QPixmap();
    update();
}

void ControlWidget::lookChanged() {
    const Control& c = m_control;
    // Tab reaches every button; a mouse click leaves the keyboard with the window.
    setFocusPolicy(c.clickable ? Qt::TabFocus : Qt::NoFocus);
    // A square panel of plain felt or a stretched photograph covers every pixel it owns, so what
    // lies beneath it need not be drawn.
    const bool photo = c.kind == ControlKind::Picture && c.stretch &&
                       QString::fromStdString(c.picture).endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    const bool felt =
        c.kind == ControlKind::Panel && !c.backTransparent && c.radius == 0 && c.picture.empty();
    // Only a large one is marked so: the toolkit cuts every opaque control out of the region the
    // controls beneath repaint, and a hand of small cards would cut the table's felt into a
    // hundred strips, each filled on its own, far slower than filling it whole.
    const bool large = static_cast<long long>(c.width) * c.height >= kLargeTwipsSquared;
    setAttribute(Qt::WA_OpaquePaintEvent, (photo || felt) && large && !c.dimmed);
    m_caption = QPixmap();
    m_drawn = QPixmap();
    update();
}

QFont ControlWidget::scaledFont(const Font& font, double factor, double logicalDpi) {
    QFont qfont;
    const QString family = QString::fromStdString(font.family);
    if (SymbolText::isSymbolFace(font.family)) {
        qfont.setFamily(QStringLiteral("DejaVu Sans"));
    } else {
        qfont.setFamily(family);
        if (family.contains(QLatin1String("Courier"), Qt::CaseInsensitive) ||
            family.contains(QLatin1String("Mono"), Qt::CaseInsensitive) ||
            family.contains(QLatin1String("Console"), Qt::CaseInsensitive)) {
            qfont.setStyleHint(QFont::TypeWriter);
        } else {
            qfont.setStyleHint(QFont::SansSerif);
        }
    }
    // Points are meant at 96 dpi on the design; the stage scales them like every other length.
    const double dpi = logicalDpi > 0 ? logicalDpi : kDesignDpi;
    qfont.setPointSizeF(std::max(0.5, font.size * factor * kDesignDpi / dpi));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

Accessible ControlWidget::description() const {
    if (m_describe) return m_describe();
    return {};
}

void ControlWidget::press() {
    if (m_onClick) m_onClick();
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    // Only a button the player brought the focus to on purpose answers Enter and Space; every
    // other key goes on to the window, where the table's keys keep their meanings.
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (pressKey && m_control.clickable && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        event->accept();
        press();
        return;
    }
    event->ignore();
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ControlWidget::setVeiled(bool veiled) {
    if (veiled == m_veiled) return;
    m_veiled = veiled;
    update();
}

void ControlWidget::paintEvent(QPaintEvent*) {
    if (m_veiled) return;
    QPainter painter(this);
    // Every picture is kept at the size it is shown, so none is scaled while painting; a smoothing
    // hint would still send each copy down the toolkit's filtered path, many times slower.
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // Rounded felt, plates and pills are curves the rasteriser works out afresh at every paint;
    // drawn once per look and size they are only copied after that. A button under the pointer,
    // a bare outline (mostly clear: copying it would cost more than drawing it) and pictures
    // (already kept scaled) are drawn directly.
    const Control& c = m_control;
    const bool keep = c.picture.empty() && (c.kind == ControlKind::Shape || c.radius > 0) &&
                      !c.backTransparent && !(m_hovered && c.clickable && c.enabled);
    if (hasFocus()) {
        // The focus Tab brought here is drawn round the whole control.
        paintLook(painter);
        const double line = std::max(2.0, 3.0 * m_factor);
        painter.setPen(QPen(QColor(0xF2, 0xD3, 0x8A), line, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2));
        return;
    }
    if (!keep) {
        paintLook(painter);
        return;
    }
    const double ratio = devicePixelRatioF();
    const QSize device(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    if (m_drawn.isNull() || m_drawn.size() != device) {
        m_drawn = QPixmap(device);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter look(&m_drawn);
        look.setRenderHints(painter.renderHints());
        paintLook(look);
    }
    painter.drawPixmap(QPointF(0, 0), m_drawn);
}

void ControlWidget::paintLook(QPainter& painter) {
    const Control& c = m_control;
    const QRectF box = QRectF(rect());
    const double radius = c.radius / kTwipsPerPixel * m_factor;
    const double line = std::max(1.0, m_factor);

    auto outline = [&](const QRectF& area) {
        QPainterPath path;
        if (radius > 0) {
            path.addRoundedRect(area, radius, radius);
        } else {
            path.addRect(area);
        }
        return path;
    };

    if (c.kind == ControlKind::Shape) {
        const double pen = std::max(1.0, 2 * m_factor);
        const QRectF frame = box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
        if (!c.backTransparent) painter.fillPath(outline(frame), rgb(c.backColor));
        painter.setPen(QPen(rgb(c.borderColor), pen));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline(frame));
        return;
    }

    // A button under the pointer shows it: its fill lightens (a card or a bare caption gets a soft
    // veil instead).
    const bool hovered = m_hovered && c.clickable && c.enabled && !c.dimmed;
    if (!c.backTransparent && c.kind != ControlKind::Picture) {
        const QColor fill = hovered ? rgb(c.backColor).lighter(135) : rgb(c.backColor);
        if (radius > 0) {
            painter.fillPath(outline(box), fill);
        } else {
            painter.fillRect(box, fill); // a plain panel: no curve to work out
        }
    }
    if (!c.picture.empty()) paintPicture(painter, c.kind == ControlKind::Panel || !c.stretch);
    // A card the rules refuse now is greyed; one that has just come into the hand gets a lit rim.
    if (c.dimmed) painter.fillPath(outline(box), kDimmedVeil);
    if (c.marked) {
        const double rim = std::max(2.0, 3 * m_factor);
        painter.setPen(QPen(kMarkedRim, rim));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), 4 * m_factor,
                                4 * m_factor);
    }
    // The keyboard's frame: a blue rim on the card's very edge inside a thin dark line, a colour no
    // card face and no other cue of the table uses, so it reads on white faces and on the felt
    // alike; it keeps to the edge so the card's corner index stays readable, and a band along the
    // card's foot, where a face shows no index, makes it plain at a glance.
    if (c.framed) {
        const double rim = std::max(2.0, 3 * m_factor);
        const QRectF frame = box.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kFramedRim, rim));
        painter.drawRoundedRect(frame, 4 * m_factor, 4 * m_factor);
        const double band = 3 * rim;
        painter.fillRect(QRectF(box.left(), box.bottom() - band, box.width() * 0.6, band), kFramedRim);
        painter.setPen(QPen(QColor(0, 0, 0), std::max(1.0, m_factor)));
        painter.drawRoundedRect(frame.adjusted(rim, rim, -rim, -rim), 3 * m_factor, 3 * m_factor);
    }
    if (hovered && (c.backTransparent || c.kind == ControlKind::Picture))
        painter.fillPath(outline(box), kHoverVeil);
    if (c.kind == ControlKind::Label) drawCaption(painter);
    if (c.border) {
        const double frameLine = hovered ? 2 * line : line;
        const QRectF frame = box.adjusted(frameLine / 2, frameLine / 2, -frameLine / 2, -frameLine / 2);
        painter.setPen(QPen(hovered ? rgb(c.borderColor).lighter(140) : rgb(c.borderColor), frameLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline(frame));
    }
}

void ControlWidget::paintPicture(QPainter& painter, bool naturalSize) {
    const QImage& full = m_pictures.image(m_control.picture);
    if (full.isNull()) return;
    const double ratio = devicePixelRatioF();
    // A stretched picture fills the control; otherwise it keeps its own size (one image pixel per
    // design pixel) from the top-left corner.
    const QSizeF logical = naturalSize ? QSizeF(full.size()) * m_factor : QSizeF(size());
    const QSize device(std::max(1, qRound(logical.width() * ratio)),
                       std::max(1, qRound(logical.height() * ratio)));
    // The widget keeps the copy it shows: a picture as large as the window (the background on a
    // 4K screen) does not fit the shared cache and would otherwise be scaled again at every paint.
    const std::string shown = m_pictures.shown(m_control.picture);
    if (m_picture.isNull() || m_pictureKey != shown || m_picture.size() != device) {
        m_picture = m_pictures.scaled(m_control.picture, device);
        m_pictureKey = shown;
        if (m_picture.isNull()) return;
        m_picture.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(QPointF(0, 0), m_picture);
}

void ControlWidget::drawCaption(QPainter& painter) {
    if (m_control.text.empty()) return;
    const double ratio = devicePixelRatioF();
    const QSize device(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    if (m_caption.isNull() || m_caption.size() != device) {
        m_caption = QPixmap(device);
        m_caption.setDevicePixelRatio(ratio);
        m_caption.fill(Qt::transparent);
        QPainter text(&m_caption);
        text.setRenderHints(painter.renderHints());
        paintCaption(text);
    }
    painter.drawPixmap(QPointF(0, 0), m_caption);
}

void ControlWidget::paintCaption(QPainter& painter) {
    const Control& c = m_control;
    if (c.text.empty()) return;
    QString text = SymbolText::display(c.font.family, c.text);
    text.remove(QLatin1Char('\r'));
    // A fixed-width heading lines up with the columns beneath it only if its characters keep their
    // design widths at every size. A scaled font snaps to whole pixels and would drift along a long
    // heading, so such text is laid out at the design size and the drawing is scaled instead.
    const bool fixedWidth = scaledFont(c.font, 1.0, logicalDpiY()).styleHint() == QFont::TypeWriter;
    const double scale = fixedWidth ? m_factor : 1.0;
    // A narrowed face is drawn squeezed across only: its lines keep their height and pitch.
    const double squeeze = fixedWidth ? std::clamp(c.glyphWidth, 0.25, 1.0) : 1.0;
    painter.save();
    painter.scale(scale * squeeze, scale);
    const QFont font = scaledFont(c.font, m_factor / scale, logicalDpiY());
    painter.setFont(font);
    painter.setPen(c.enabled && !c.dimmed ? rgb(c.foreColor) : kDisabledText);
    const double inset = c.border ? 2 * m_factor : 0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset / 2, -inset, 0);
    const QRectF area(box.left() / (scale * squeeze), box.top() / scale, box.width() / (scale * squeeze),
                      box.height() / scale);

    // Lines are spaced by the design's line height scaled like every other length, not by the
    // scaled font's own (rounded) spacing, so a column of names stays level with the column of
    // flags or prizes beside it at any window size.
    const double lineHeight =
        (c.linePitch > 0 ? c.linePitch / kTwipsPerPixel
                         : QFontMetrics(scaledFont(c.font, 1.0, logicalDpiY())).lineSpacing()) *
        m_factor / scale;
    // Every baseline sits where the face's own ascent puts it: a glyph taken from a taller fallback
    // face must not push its line below the grid the flags and prizes beside it keep.
    const double gridAscent = QFontMetricsF(font).ascent();
    QTextOption option(horizontal(c.align));
    if (fixedWidth) option.setUseDesignMetrics(true);
    option.setWrapMode(c.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    // A pill button's caption sits in the middle of the pill, whatever the font's own spacing.
    double top = 0;
    if (c.radius > 0 && !c.backTransparent && !c.wordWrap) {
        const double textHeight = QFontMetricsF(font).height() + (paragraphs.size() - 1) * lineHeight;
        top = std::max(0.0, (QRectF(rect()).height() / scale - textHeight) / 2) - inset / 2 / scale;
    }
    double y = top;
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font, this);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, y + gridAscent - line.ascent()));
            y += lineHeight;
        }
        layout.endLayout();
        layout.draw(&painter, area.topLeft());
        if (y > area.height()) break;
    }
    painter.restore();
}

void ControlWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // What is out of sight keeps no drawn copies; the shared cache still has the small ones.
    m_picture = QPixmap();
    m_drawn = QPixmap();
    m_caption = QPixmap();
}

void ControlWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (m_onHover) m_onHover(true);
    if (m_control.clickable && !m_hovered) {
        m_hovered = true;
        update();
    }
}

void ControlWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (m_onHover) m_onHover(false);
    if (m_hovered) {
        m_hovered = false;
        update();
    }
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    event->accept();
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt turns a second press within the desktop's double-click interval into this event. The
    // first press and release already clicked; a player who double-clicks "Prossima Settimana"
    // or a card means it once, so the release that follows clicks nothing.
    m_pressed = false;
    event->accept();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_pressed = false;
    event->accept();
    if (clicked && m_onClick) m_onClick();
}

} // namespace velmora
