#include "ui/qt/CardSlides.h"
#include "ui/qt/TableSpeed.h"

#include "ui/qt/ControlWidget.h"
#include "ui/qt/PictureCache.h"

#include <QPainter>

#include <algorithm>

namespace velmora {

int CardSlides::slideMs() const {
    return kSlideMs / (m_speed ? m_speed->factor() : 1);
}

namespace {

// A frame every 15 ms keeps a 150 ms slide smooth (ten steps).
constexpr int kFrameMs = 15;

// Starts quickly and settles into place.
double easeOut(double t) {
    return 1.0 - (1.0 - t) * (1.0 - t);
}

QRect between(const QRect& a, const QRect& b, double t) {
    auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QRect(mix(a.x(), b.x()), mix(a.y(), b.y()), mix(a.width(), b.width()),
                 mix(a.height(), b.height()));
}

} // namespace

CardSlides::CardSlides(PictureCache& pictures, QWidget* stage) : QWidget(stage), m_pictures(pictures) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    m_clock.start();
    m_frames.setInterval(kFrameMs);
    connect(&m_frames, &QTimer::timeout, this, [this] { step(); });
    hide();
}

void CardSlides::start(const std::string& picture, QRect from, QRect to, ControlWidget* landing) {
    if (picture.empty() || from == to) return;
    // A card already on its way to this control lands first.
    for (auto it = m_slides.begin(); it != m_slides.end();) {
        if (landing && it->landing == landing) {
            land(*it);
            it = m_slides.erase(it);
        } else {
            ++it;
        }
    }
    if (landing) landing->setVeiled(true);
    m_slides.push_back({picture, from, to, landing, m_clock.elapsed()});
    setGeometry(parentWidget()->rect());
    show();
    raise();
    if (!m_frames.isActive()) m_frames.start();
    update();
}

void CardSlides::finishAll() {
    for (Slide& slide : m_slides)
        land(slide);
    m_slides.clear();
    m_frames.stop();
    hide();
}

void CardSlides::land(Slide& slide) {
    if (slide.landing) slide.landing->setVeiled(false);
    slide.landing = nullptr;
}

void CardSlides::step() {
    const qint64 now = m_clock.elapsed();
    for (auto it = m_slides.begin(); it != m_slides.end();) {
        if (now - it->startedAt >= slideMs()) {
            land(*it);
            it = m_slides.erase(it);
        } else {
            ++it;
        }
    }
    if (m_slides.empty()) {
        m_frames.stop();
        hide();
        return;
    }
    update();
}

void CardSlides::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qint64 now = m_clock.elapsed();
    const double ratio = devicePixelRatioF();
    for (const Slide& slide : m_slides) {
        const double t = std::clamp(static_cast<double>(now - slide.startedAt) / slideMs(), 0.0, 1.0);
        const QRect at = between(slide.from, slide.to, easeOut(t));
        const QSize device(std::max(1, qRound(slide.to.width() * ratio)),
                           std::max(1, qRound(slide.to.height() * ratio)));
        // One scaled copy at the landing size serves every frame of the slide.
        const QPixmap pixmap = m_pictures.scaled(slide.picture, device);
        if (!pixmap.isNull()) painter.drawPixmap(at, pixmap);
    }
}

} // namespace velmora
