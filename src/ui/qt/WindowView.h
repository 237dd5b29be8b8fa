#pragma once

#include "ui/Control.h"
#include "ui/SlideRoute.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/PictureCache.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QComboBox;
class QLabel;
class QStyle;
class QLineEdit;

namespace velmora {

class CardSlides;
class ControlWidget;
class TableSpeed;
class Window;

// The window model on screen: one child widget per control (panels hold their controls), drawn in
// creation order and scaled from twips to the widget's size with the design's proportions kept.
// Clicks, combo choices and typing go to the model, which refuses what the player could not do.
class WindowView : public QWidget {
  public:
    // The window must outlive the view's use (the view keeps pointers to its controls).
    explicit WindowView(Window& window, QWidget* parent = nullptr);
    ~WindowView() override;

    // Brings every widget up to date with its control. Widgets whose control did not change since
    // the last sync are not touched, so this stays cheap after every timer tick.
    void sync();
    // Syncs and paints at once, for a long handler that lets the screen catch up.
    void syncAndRepaint();
    // The window as shown at the given size (the design size gives 1910 x 1040 pixels).
    QImage shot(QSize size);

    // Cards that move: from then on every sync starts the slides these routes call for. Without
    // routes (the default) cards appear and go at once.
    void setSlideRoutes(std::vector<SlideRoute> routes) { m_routes = std::move(routes); }
    // The cards moving over the stage.
    CardSlides& slides() { return *m_slides; }
    // What moves on screen keeps the table's pace from then on (the game's own pace without one).
    void followPace(const TableSpeed* speed);

    // The widget showing a control, or nullptr.
    QWidget* widgetOf(const std::string& name, int index = -1) const;
    const DesignScale& scale() const { return m_scale; }
    // The model's name of a Qt key ("Return", "Left", "F1", "P", "3"), or "" for a key the game
    // does not use.
    static std::string keyName(int key);
    // Says a line to the desktop's screen reader: the window's live status line takes it as its name.
    void announce(const std::string& text);
    // The line last said.
    QString announced() const;
    // How many widgets the last sync changed.
    int lastSyncChanges() const { return m_lastChanges; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The game's keys go to the model, which clicks the button they stand for or moves the card
    // frame.
    void keyPressEvent(QKeyEvent* event) override;
    // A closed list keeps the keyboard after the mouse changed it, yet the table's keys still reach
    // the table: only the keys the game has no use for at that moment go to the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry;

    // Hands a key press to the model; true when the game did something with it.
    bool gameKey(QKeyEvent* event);
    void buildNewControls();
    // Compares what the routes' controls showed with what they show now and sets cards moving.
    void startSlides();
    void arrive(const SlideRoute& route);
    void depart(const SlideRoute& route);
    Entry* entryOf(const std::string& name, int index) const;
    // Where an entry's widget was last placed, in stage pixels.
    QRect onStage(const Entry& entry) const;
    void placeStage();
    bool apply(Entry& entry, bool force);
    QRect geometryOf(const Control& control);
    QWidget* parentWidgetOf(const Control& control);
    void applyCombo(Entry& entry, bool itemsChanged);
    void clicked(const Control& control);
    void hovered(const Control& control, bool over);
    void chosen(Entry& entry, int item);
    void typed(Entry& entry, const QString& text);

    Window& m_window;
    PictureCache m_pictures;
    DesignScale m_scale;
    QSize m_fittedFor; // the size the stage was last fitted to
    QWidget* m_stage = nullptr;
    QLabel* m_status = nullptr; // the live status line a screen reader listens to
    QStyle* m_comboStyle = nullptr; // the combo boxes' arrow, scaled with the window (owned as a child)
    std::vector<std::unique_ptr<Entry>> m_entries;
    std::unordered_map<const Control*, Entry*> m_byControl;
    std::vector<SlideRoute> m_routes;
    CardSlides* m_slides = nullptr; // owned by the stage
    const TableSpeed* m_speed = nullptr;
    int m_lastChanges = 0;
    int m_pictureSet = 0; // the window's set of pictures at the last sync
};

} // namespace velmora
