#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

namespace velmora {

class ControlWidget;
class PictureCache;
class TableSpeed;

// Cards in motion over the stage: each slide draws a card's picture moving from one place to
// another for a short while. It only paints: the mouse goes through it to the controls below, and
// a control whose card is arriving stays where it is, clickable, drawn only once the card lands.
class CardSlides : public QWidget {
  public:
    // Covers the stage; the cache is the view's.
    CardSlides(PictureCache& pictures, QWidget* stage);

    // A card of the given picture slides from one rectangle of the stage to another. `landing`,
    // when given, is the control the card arrives in: it is drawn blank until the card lands.
    void start(const std::string& picture, QRect from, QRect to, ControlWidget* landing);
    // Cards still moving.
    int moving() const { return static_cast<int>(m_slides.size()); }
    // Where a moving card started and where it lands (stage pixels), in the order they started.
    QRect origin(int slide) const { return m_slides.at(static_cast<size_t>(slide)).from; }
    QRect destination(int slide) const { return m_slides.at(static_cast<size_t>(slide)).to; }
    // Lands every card at once.
    void finishAll();

    // Cards move in step with the table's pace from then on (the game's own pace without one).
    void followPace(const TableSpeed* speed) { m_speed = speed; }

    // How long a card takes from its seat to its place at the game's own pace, in milliseconds.
    static constexpr int kSlideMs = 150;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Slide {
        std::string picture;
        QRect from, to;
        ControlWidget* landing = nullptr;
        qint64 startedAt = 0;
    };

    // A slide lasts its time at the game's own pace divided by the table's pace, so a faster table
    // never waits for its cards.
    int slideMs() const;
    void step();
    void land(Slide& slide);

    PictureCache& m_pictures;
    const TableSpeed* m_speed = nullptr;
    std::vector<Slide> m_slides;
    QElapsedTimer m_clock;
    QTimer m_frames;
};

} // namespace velmora
