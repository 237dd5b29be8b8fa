#include "driver/DriverSession.h"

#include "app/Form1.h"
#include "data/JetDialect.h"
#include "ui/ScriptedPlatform.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QStyleHints>
#include <QString>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace velmora {

namespace {

// A command the player or the game could not carry out; the answer is "error: " and the reason.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A word of the command line and where it starts.
struct Word {
    std::string text;
    size_t at = 0;
    size_t end = 0;
};

std::vector<Word> splitWords(const std::string& line) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        if (i >= line.size()) break;
        const size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        words.push_back({line.substr(start, i - start), start, i});
    }
    return words;
}

// Why the player cannot reach a control that the window refused to touch.
std::string whyUntouchable(const Window& window, const Control& control) {
    if (!window.enabled()) return "the window is disabled";
    if (!control.reachable()) return "it is not shown";
    if (window.covered(control)) return "it is covered by another screen";
    return "the window is busy";
}

std::vector<std::string> texts(const std::vector<Word>& words) {
    std::vector<std::string> out;
    for (const auto& w : words)
        out.push_back(w.text);
    return out;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool parseInteger(const std::string& text, long long& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

// Values print on one line: line breaks and tabs inside them are written as escapes.
std::string oneLine(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string colourText(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

const char* yesNo(bool value) {
    return value ? "true" : "false";
}

// The text after the word that ends at the given position: one separating blank is dropped, the
// rest (blanks, apostrophes, accents) is kept as typed.
std::string restAfter(const std::string& line, size_t end) {
    if (end < line.size() && (line[end] == ' ' || line[end] == '\t')) ++end;
    return end < line.size() ? line.substr(end) : std::string();
}

// A chart's number as written in an answer: whole numbers without decimals.
std::string chartNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// A chart's lines, one per line of the answer: the name, a tab, then its points "x,y" apart by
// blanks.
void writeChartPoints(const Chart& chart, std::ostream& out) {
    for (const ChartSeries& line : chart.series) {
        out << oneLine(line.name) << '\t';
        for (size_t i = 0; i < line.points.size(); ++i)
            out << (i ? " " : "") << chartNumber(line.points[i].first) << ','
                << chartNumber(line.points[i].second);
        out << '\n';
    }
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Panel:
        return "panel";
    case ControlKind::Label:
        return "label";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Combo:
        return "combo box";
    case ControlKind::TextBox:
        return "text box";
    case ControlKind::Shape:
        return "shape";
    case ControlKind::Chart:
        return "chart";
    }
    return "control";
}

} // namespace

struct DriverSession::Target {
    Control* control = nullptr;
    std::vector<Word> after; // the words after the control
    size_t end = 0;          // where the control's name (and index) end on the line
};

DriverSession::DriverSession(Form1& form, ScriptedPlatform& platform) : m_form(form), m_platform(platform) {}

DriverSession::~DriverSession() {
    if (m_windowOpen) m_form.window().setChangedCallback(nullptr);
}

void DriverSession::run(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        if (!execute(line, out)) break;
    }
}

bool DriverSession::execute(const std::string& rawLine, std::ostream& out) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto words = splitWords(line);
    if (words.empty() || words.front().text[0] == '#') return true;
    const std::string command = lower(words.front().text);
    std::ostringstream answer;
    try {
        if (command == "load") {
            load(texts(words), answer);
        } else if (command == "click") {
            click(line, answer);
        } else if (command == "key") {
            key(texts(words));
        } else if (command == "doubleclick") {
            doubleClick(line);
        } else if (command == "hover") {
            hover(line);
        } else if (command == "type") {
            type(line, answer);
        } else if (command == "choose") {
            choose(line, answer);
        } else if (command == "answer") {
            setAnswer(texts(words));
        } else if (command == "advance") {
            advance(texts(words));
        } else if (command == "get") {
            get(texts(words), answer);
        } else if (command == "messages") {
            if (words.size() != 1) throw CommandError("messages takes no arguments");
            messages(answer);
        } else if (command == "sounds") {
            if (words.size() != 1) throw CommandError("sounds takes no arguments");
            for (const auto& name : m_platform.takeSounds())
                answer << name << '\n';
        } else if (command == "announcements") {
            if (words.size() != 1) throw CommandError("announcements takes no arguments");
            for (const auto& text : m_platform.takeAnnouncements())
                answer << oneLine(text) << '\n';
        } else if (command == "sql") {
            sql(restAfter(line, words.front().end), answer);
        } else if (command == "shot") {
            shot(restAfter(line, words.front().end));
        } else if (command == "window") {
            openWindow(texts(words));
        } else if (command == "memory") {
            if (words.size() != 1) throw CommandError("memory takes no arguments");
            memory(answer);
        } else {
            throw CommandError("unknown command " + words.front().text);
        }
    } catch (const CommandError& error) {
        out << "error: " << oneLine(error.what()) << '\n' << std::flush;
        return true;
    } catch (const std::exception& error) {
        out << "error: " << oneLine(error.what()) << '\n' << std::flush;
        return true;
    }
    // An open window paints what the command changed before the answer, as the screen would.
    if (m_windowOpen) QApplication::processEvents();
    out << answer.str() << "ok\n" << std::flush;
    // The title menu's "Esci" ends the program: nothing is left to drive.
    return !m_platform.quitRequested();
}

DriverSession::Target DriverSession::target(const std::string& line, bool restFollows) {
    const auto words = splitWords(line);
    if (words.size() < 2) throw CommandError("missing control name");
    Window& window = m_form.window();
    const std::string& name = words[1].text;
    Target t;
    size_t next = 2;
    if (window.isArray(name)) {
        long long index = 0;
        if (words.size() < 3 || !parseInteger(words[2].text, index)) {
            throw CommandError(name + " is a control array: give its index");
        }
        t.control = window.find(name, static_cast<int>(index));
        if (!t.control) throw CommandError("unknown control " + name + "(" + words[2].text + ")");
        next = 3;
    } else {
        t.control = window.find(name);
        if (!t.control) throw CommandError("unknown control " + name);
    }
    t.end = words[next - 1].end;
    t.after.assign(words.begin() + static_cast<long>(next), words.end());
    if (!restFollows && !t.after.empty()) {
        throw CommandError(window.isArray(name) ? "too many arguments" : name + " is not a control array");
    }
    return t;
}

void DriverSession::load(const std::vector<std::string>& words, std::ostream&) {
    if (words.size() != 1) throw CommandError("load takes no arguments");
    m_form.Form_Load();
    // The load reports its own failure in a message box (see messages); the driver says so too.
    if (!m_form.cnox) throw CommandError("load failed: the database did not open (see messages)");
}

Control& DriverSession::pointerTarget(const std::string& line, const std::string& verb) {
    Control& c = *target(line, false).control;
    if (c.kind != ControlKind::Label && c.kind != ControlKind::Picture) {
        throw CommandError(c.displayName() + " is a " + kindName(c.kind) + ", not a label or picture");
    }
    Window& window = m_form.window();
    window.setNow(m_platform.nowMs());
    if (!window.canTouch(c)) throw CommandError("cannot " + verb + " " + c.displayName() + ": " + whyUntouchable(window, c));
    return c;
}

void DriverSession::click(const std::string& line, std::ostream&) {
    const Control& c = pointerTarget(line, "click");
    m_form.window().click(c.name, c.index);
}

// The keys a player uses at the game, by the names the front end gives them.
std::string DriverSession::keyName(const std::string& word) {
    for (const char* name : {"Return", "Escape", "Left", "Right", "Space", "F1"}) {
        if (lower(word) == lower(name)) return name;
    }
    if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0])))
        return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(word[0]))));
    return "";
}

void DriverSession::key(const std::vector<std::string>& words) {
    const std::string name = words.size() == 2 ? keyName(words[1]) : "";
    if (name.empty()) throw CommandError("key Return|Escape|Left|Right|Space|F1|LETTER|DIGIT");
    Window& window = m_form.window();
    window.setNow(m_platform.nowMs());
    if (!window.pressKey(name)) throw CommandError("the key " + name + " does nothing now");
}

// The pointer rests on one control at a time: moving onto another leaves the one it was on.
void DriverSession::hover(const std::string& line) {
    const auto words = splitWords(line);
    const bool away = words.size() == 2 && lower(words[1].text) == "off";
    const Control* onto = away ? nullptr : &pointerTarget(line, "hover");
    Window& window = m_form.window();
    window.setNow(m_platform.nowMs());
    const auto [name, index] = m_pointerOn;
    if (!name.empty() && (!onto || onto->name != name || onto->index != index)) window.hover(name, index, false);
    m_pointerOn = onto ? std::make_pair(onto->name, onto->index) : std::make_pair(std::string(), -1);
    if (onto) window.hover(onto->name, onto->index, true);
}

// Two clicks of the left button within the desktop's double-click interval, delivered to the
// control's widget as the Qt front end receives them from the window system: press, release, the
// second press as a double-click event, release. Meanwhile half the interval passes on the clock.
void DriverSession::doubleClick(const std::string& line) {
    const Control& c = pointerTarget(line, "double-click");
    Window& window = m_form.window();
    if (!m_view) m_view = std::make_unique<WindowView>(window);
    m_view->sync();
    QWidget* widget = m_view->widgetOf(c.name, c.index);
    if (!widget) throw CommandError(c.displayName() + " has no widget");
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const auto send = [&](QEvent::Type type, Qt::MouseButtons held, ulong timestamp) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(timestamp);
        QApplication::sendEvent(widget, &event);
    };
    const ulong start = static_cast<ulong>(m_platform.nowMs());
    send(QEvent::MouseButtonPress, Qt::LeftButton, start);
    send(QEvent::MouseButtonRelease, Qt::NoButton, start);
    advanceClock(interval / 2);
    if (m_platform.quitRequested()) return;
    // The first click's redraw may have rebuilt the widget; the second press reaches it again.
    m_view->sync();
    widget = m_view->widgetOf(c.name, c.index);
    if (!widget) return;
    const ulong second = start + static_cast<ulong>(interval / 2);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, second);
    send(QEvent::MouseButtonRelease, Qt::NoButton, second);
}

void DriverSession::type(const std::string& line, std::ostream&) {
    Target t = target(line, true);
    const Control& c = *t.control;
    if (c.kind != ControlKind::TextBox) {
        throw CommandError(c.displayName() + " is a " + kindName(c.kind) + ", not a text box");
    }
    const std::string text = restAfter(line, t.end);
    m_form.window().setNow(m_platform.nowMs());
    if (!m_form.window().type(c.name, c.index, text)) {
        throw CommandError("cannot type into " + c.displayName() + ": " + whyUntouchable(m_form.window(), c));
    }
}

void DriverSession::choose(const std::string& line, std::ostream&) {
    Target t = target(line, true);
    const Control& c = *t.control;
    if (c.kind != ControlKind::Combo) {
        throw CommandError(c.displayName() + " is a " + kindName(c.kind) + ", not a combo box");
    }
    const std::string item = restAfter(line, t.end);
    if (std::find(c.items.begin(), c.items.end(), item) == c.items.end()) {
        throw CommandError(c.displayName() + " has no item \"" + item + "\"");
    }
    m_form.window().setNow(m_platform.nowMs());
    if (!m_form.window().choose(c.name, c.index, item)) {
        throw CommandError("cannot choose in " + c.displayName() + ": " + whyUntouchable(m_form.window(), c));
    }
}

void DriverSession::setAnswer(const std::vector<std::string>& words) {
    const char usage[] = "answer yes, answer no, or answer N (the N-th button, from 1)";
    if (words.size() != 2) throw CommandError(usage);
    const std::string reply = lower(words[1]);
    long long button = 0;
    if (reply == "yes" || reply == "no") {
        m_platform.answerNext(reply == "yes");
    } else if (parseInteger(reply, button) && button >= 1 && button <= 9) {
        m_platform.answerNextWith(static_cast<int>(button - 1));
    } else {
        throw CommandError(usage);
    }
}

void DriverSession::advance(const std::vector<std::string>& words) {
    long long ms = 0;
    if (words.size() != 2 || !parseInteger(words[1], ms) || ms < 0) {
        throw CommandError("advance takes a number of milliseconds");
    }
    advanceClock(ms);
}

void DriverSession::advanceClock(long long ms) {
    Window& window = m_form.window();
    const long long target = m_platform.nowMs() + ms;
    // Tick by tick, so the handlers see the platform's clock at the moment of their tick.
    for (;;) {
        const long long due = window.nextDue();
        if (due < 0 || due > target) break;
        m_platform.setNow(std::max(due, m_platform.nowMs()));
        if (window.runDueTimers(m_platform.nowMs()) == 0) break;
        if (m_platform.quitRequested()) return;
    }
    m_platform.setNow(target);
    window.setNow(target);
}

void DriverSession::get(const std::vector<std::string>& words, std::ostream& out) {
    if (words.size() < 3) throw CommandError("get NAME [INDEX] PROPERTY");
    Window& window = m_form.window();
    const std::string& name = words[1];
    const std::string property = lower(words.back());
    if (lower(name) == "form" && !window.find(name)) {
        if (words.size() != 3) throw CommandError("get form PROPERTY");
        if (property == "enabled") {
            out << yesNo(window.enabled()) << '\n';
        } else if (property == "caption") {
            out << oneLine(window.title()) << '\n';
        } else {
            throw CommandError("the form has no property " + words.back());
        }
        return;
    }
    long long number = 0;
    if (name.size() == 6 && lower(name.substr(0, 5)) == "timer" && parseInteger(name.substr(5), number) &&
        number >= 1 && number <= Window::kTimers && !window.find(name) && !window.isArray(name)) {
        if (words.size() != 3) throw CommandError("get " + name + " enabled|interval");
        const Timer& timer = window.timer(static_cast<int>(number));
        if (property == "enabled") {
            out << yesNo(timer.enabled()) << '\n';
        } else if (property == "interval") {
            out << timer.interval() << '\n';
        } else {
            throw CommandError("a timer has no property " + words.back());
        }
        return;
    }
    std::string line = "get";
    for (size_t i = 1; i + 1 < words.size(); ++i)
        line += " " + words[i];
    Target t = target(line, false);
    const Control& c = *t.control;
    if (c.kind == ControlKind::Chart && (property == "points" || property == "marks")) {
        if (property == "points") {
            writeChartPoints(c.chart, out);
        } else {
            for (const auto& [x, label] : c.chart.xMarks)
                out << chartNumber(x) << '\t' << oneLine(label) << '\n';
        }
        return;
    }
    if (property == "caption" || property == "text") {
        out << oneLine(c.text);
    } else if (property == "visible") {
        out << yesNo(c.visible);
    } else if (property == "enabled") {
        out << yesNo(c.enabled);
    } else if (property == "left") {
        out << c.left;
    } else if (property == "top") {
        out << c.top;
    } else if (property == "width") {
        out << c.width;
    } else if (property == "height") {
        out << c.height;
    } else if (property == "picture") {
        out << oneLine(c.picture);
    } else if (property == "items") {
        std::string joined;
        for (size_t i = 0; i < c.items.size(); ++i)
            joined += (i ? "|" : "") + c.items[i];
        out << oneLine(joined);
    } else if (property == "listindex") {
        out << c.listIndex;
    } else if (property == "tooltip") {
        out << oneLine(c.toolTip);
    } else if (property == "dimmed") {
        out << yesNo(c.dimmed);
    } else if (property == "framed") {
        out << yesNo(c.framed);
    } else if (property == "accessible") {
        const Accessible said = m_form.window().describe(c);
        out << Accessible::roleName(said.role) << '\t' << oneLine(said.name);
        if (!said.state.empty()) out << '\t' << said.state;
        // A board: its column headers, then its rows, a line each, cells apart by tabs.
        if (!said.table.headers.empty()) {
            out << "\ncolumns";
            for (const std::string& header : said.table.headers)
                out << '\t' << oneLine(header);
        }
        for (const auto& row : said.table.rows) {
            out << "\nrow";
            for (const std::string& cell : row)
                out << '\t' << oneLine(cell);
        }
    } else if (property == "backcolor") {
        out << colourText(c.backColor);
    } else if (property == "forecolor") {
        out << colourText(c.foreColor);
    } else {
        throw CommandError(c.displayName() + " has no property " + words.back());
    }
    out << '\n';
}

void DriverSession::messages(std::ostream& out) {
    for (const auto& text : m_platform.takeMessages())
        out << oneLine(text) << '\n';
}

void DriverSession::sql(const std::string& statement, std::ostream& out) {
    if (!m_form.cnox) throw CommandError("no database: run load first");
    const auto words = splitWords(statement);
    std::string first = words.empty() ? std::string() : lower(words.front().text);
    first.erase(0, first.find_first_not_of('('));
    if (first.rfind("select", 0) != 0) throw CommandError("only SELECT queries may be run");
    // Asked of the engine too: exactly one statement, and one that writes nothing.
    const std::string translated = translateJet(statement);
    sqlite3_stmt* prepared = nullptr;
    const char* tail = nullptr;
    sqlite3* handle = m_form.db().handle();
    if (sqlite3_prepare_v2(handle, translated.c_str(), static_cast<int>(translated.size()), &prepared,
                           &tail) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(handle);
        sqlite3_finalize(prepared);
        throw CommandError(message);
    }
    const bool readOnly = prepared && sqlite3_stmt_readonly(prepared);
    sqlite3_finalize(prepared);
    const std::string rest = tail ? std::string(tail) : std::string();
    if (rest.find_first_not_of(" \t\r\n;") != std::string::npos)
        throw CommandError("one statement at a time");
    if (!readOnly) throw CommandError("only read-only queries may be run");

    const Rows rows = m_form.db().query(statement);
    for (int r = 0; r < rows.rowCount(); ++r) {
        for (int col = 0; col < rows.columnCount(); ++col) {
            if (col) out << '\t';
            out << oneLine(rows.at(col, r).str());
        }
        out << '\n';
    }
}

void DriverSession::shot(const std::string& file) {
    if (file.empty()) throw CommandError("shot FILE.png");
    if (!m_view) m_view = std::make_unique<WindowView>(m_form.window());
    // An open window is taken as it is shown; otherwise the window is drawn at the design size.
    const QImage picture = m_view->shot(m_windowOpen ? m_view->size() : DesignScale::designPixels());
    if (!picture.save(QString::fromStdString(file), "PNG")) throw CommandError("cannot write " + file);
}

void DriverSession::openWindow(const std::vector<std::string>& words) {
    long long width = 0, height = 0;
    if (words.size() != 3 || !parseInteger(words[1], width) || !parseInteger(words[2], height) ||
        width < 320 || height < 180 || width > 8192 || height > 8192) {
        throw CommandError("window WIDTH HEIGHT (pixels, from 320 x 180)");
    }
    if (!m_view) m_view = std::make_unique<WindowView>(m_form.window());
    m_view->resize(static_cast<int>(width), static_cast<int>(height));
    m_view->show();
    // As on the desktop: the view follows every event, each timer tick included.
    m_form.window().setChangedCallback([this] { m_view->sync(); });
    m_view->sync();
    m_windowOpen = true;
}

void DriverSession::memory(std::ostream& out) {
    // The resident set as the kernel counts it, in kilobytes.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            long long kb = 0;
            std::istringstream(line.substr(6)) >> kb;
            out << kb << '\n';
            return;
        }
    }
    throw CommandError("the resident memory cannot be read here");
}

} // namespace velmora
