#include "script_driver.h"

#include "qt/bound_control.h"
#include "qt/front.h"
#include "qt/platform_services.h"
#include "shell/control_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <cmath>
#include <iomanip>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vrex::tools {

namespace {

constexpr double StartClock = 36000;
constexpr double LargestNumber = 1e9;

struct BadLine {
    std::string reason;
};

std::string quoted(const QString& text)
{
    std::string out = "\"";
    for (char c : text.toStdString()) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

class Session {
public:
    explicit Session(std::ostream& out) : out_(out)
    {
        vrex::Services services = vrex::qt::makePlatformServices();
        services.timeOfDay = [this] { return clock_; };
        front_ = std::make_unique<vrex::qt::Front>(std::move(services));
        front_->start();
        QApplication::processEvents();
    }

    bool ended() const { return front_->ended(); }

    void execute(const std::vector<std::string>& words)
    {
        const std::string& command = words[0];
        if (command == "clock") {
            expectArgs(words, 1, 1);
            clock_ = number(words[1]);
        } else if (command == "advance") {
            expectArgs(words, 1, 1);
            clock_ += number(words[1]);
        } else if (command == "move") {
            expectArgs(words, 2, 3);
            const int buttons = words.size() > 3 ? button(words[3]) : 0;
            canvasMouse(QEvent::MouseMove, point(words), Qt::NoButton, buttons);
        } else if (command == "down" || command == "up" || command == "tap") {
            expectArgs(words, 3, 3);
            const int b = button(words[3]);
            if (command != "up")
                canvasMouse(QEvent::MouseButtonPress, point(words), b, b);
            if (command != "down" && !ended())
                canvasMouse(QEvent::MouseButtonRelease, point(words), b, 0);
        } else if (command == "formmove") {
            expectArgs(words, 2, 2);
            QWidget* main = front_->window(vrex::MainWindowName);
            sendMouse(main, QEvent::MouseMove, point(words), Qt::NoButton, 0);
        } else if (command == "click") {
            expectArgs(words, 1, 1);
            QWidget* control = front_->findControl(QString::fromStdString(words[1]));
            if (!control)
                throw BadLine{"no control named " + words[1]};
            QTest::mouseClick(control, Qt::LeftButton);
        } else if (command == "key") {
            expectArgs(words, 1, 1);
            typeOnMainWindow(keySequence(words[1]));
        } else if (command == "dump") {
            expectArgs(words, 0, 0);
            dump();
        } else if (command == "windows") {
            expectArgs(words, 0, 0);
            listWindows();
        } else if (command == "snapshot") {
            expectArgs(words, 1, 1);
            if (!front_->canvas().image().save(QString::fromStdString(words[1]), "PNG"))
                throw BadLine{"cannot write " + words[1]};
        } else if (command == "grab") {
            expectArgs(words, 2, 2);
            QWidget* w = front_->window(words[1]);
            if (!w)
                throw BadLine{"no window named " + words[1]};
            if (!w->grab().save(QString::fromStdString(words[2]), "PNG"))
                throw BadLine{"cannot write " + words[2]};
        } else {
            throw BadLine{"unknown command " + command};
        }
        QApplication::processEvents();
    }

private:
    static void expectArgs(const std::vector<std::string>& words, std::size_t least, std::size_t most)
    {
        const std::size_t given = words.size() - 1;
        if (given < least || given > most)
            throw BadLine{words[0] + " takes " + std::to_string(least) +
                          (least == most ? "" : " to " + std::to_string(most)) + " arguments"};
    }

    // Refused here, before anything converts it to an int, a float or a Qt
    // position: a number that is not finite, or one beyond any pixel or second
    // a script can mean.
    static double number(const std::string& word)
    {
        std::size_t used = 0;
        double value = 0;
        try {
            value = std::stod(word, &used);
        } catch (const std::out_of_range&) {
            throw BadLine{"number out of range: " + word};
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != word.size())
            throw BadLine{"not a number: " + word};
        if (!std::isfinite(value))
            throw BadLine{"not a finite number: " + word};
        if (std::abs(value) > LargestNumber)
            throw BadLine{"number out of range: " + word};
        return value;
    }

    static int button(const std::string& word)
    {
        const double b = number(word);
        if (b != static_cast<int>(b) || b < 0 || b > 7)
            throw BadLine{"not a button: " + word};
        return static_cast<int>(b);
    }

    static QKeySequence keySequence(const std::string& word)
    {
        const QKeySequence keys = QKeySequence::fromString(QString::fromStdString(word), QKeySequence::PortableText);
        if (keys.isEmpty())
            throw BadLine{"not a key: " + word};
        for (int k = 0; k < keys.count(); ++k) {
            if (keys[k].key() == Qt::Key_unknown)
                throw BadLine{"not a key: " + word};
        }
        return keys;
    }

    // As a user types: to whatever control of the main window has the focus.
    void typeOnMainWindow(const QKeySequence& keys)
    {
        QWidget* main = front_->window(vrex::MainWindowName);
        if (QApplication::activeWindow() != main) {
            main->activateWindow();
            QApplication::processEvents();
        }
        QWidget* focus = main->focusWidget();
        QTest::keySequence(focus ? focus : main, keys);
    }

    static QPointF point(const std::vector<std::string>& words) { return {number(words[1]), number(words[2])}; }

    void canvasMouse(QEvent::Type type, QPointF at, int button, int buttons)
    {
        auto& canvas = front_->canvas();
        sendMouse(&canvas, type, at + QPointF(canvas.drawingArea().topLeft()), button, buttons);
    }

    static void sendMouse(QWidget* target, QEvent::Type type, QPointF local, int button, int buttons)
    {
        QMouseEvent event(type, local, target->mapToGlobal(local), static_cast<Qt::MouseButton>(button),
                          static_cast<Qt::MouseButtons>(buttons), Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    // The main window's mirrored controls, read from the widgets in the table's order.
    void dump()
    {
        QWidget* main = front_->window(vrex::MainWindowName);
        for (const vrex::ControlBinding& row : vrex::controlTable()) {
            if (row.window != vrex::MainWindowName || !(row.button || row.text))
                continue;
            const vrex::qt::BoundControl control = vrex::qt::bindControl(main, row);
            out_ << row.control << ' ';
            if (control.label)
                out_ << quoted(control.label->text()) << '\n';
            else
                out_ << (control.button->isEnabled() ? "on" : "off") << ' ' << quoted(control.button->text()) << '\n';
        }

        const vrex::PolylineStore& store = front_->editor().store;
        out_ << "lines " << store.CadLineCount << '\n';
        for (int i = 1; i <= store.CadLineCount; ++i) {
            const vrex::CadLine& line = store.CadLines[i];
            out_ << "line " << i << ':';
            for (int j = 1; j <= line.PointCount; ++j) {
                const vrex::CadPoint& p = store.CadPoints[line.PointIds[j]];
                out_ << ' ' << p.X << ',' << p.Y;
            }
            out_ << '\n';
        }
    }

    void listWindows()
    {
        for (const auto& w : front_->shownWindows()) {
            if (!w || !w->isVisible())
                continue;
            out_ << w->objectName().toStdString() << ' ' << quoted(w->windowTitle()) << ' ' << w->width() << 'x'
                 << w->height() << '\n';
        }
        QWidget* active = QApplication::activeWindow();
        out_ << "active " << (active ? active->objectName().toStdString() : std::string("none")) << '\n';
    }

    std::ostream& out_;
    double clock_ = StartClock;
    std::unique_ptr<vrex::qt::Front> front_;
};

std::vector<std::string> splitWords(const std::string& line)
{
    std::string text = line.substr(0, line.find('#'));
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

} // namespace

int runScript(std::istream& script, std::ostream& out, std::ostream& err)
{
    Session session(out);
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        const std::vector<std::string> words = splitWords(line);
        if (words.empty())
            continue;
        try {
            session.execute(words);
        } catch (const BadLine& bad) {
            out.flush();
            err << "line " << number << ": " << bad.reason << '\n';
            return 2;
        }
        if (session.ended()) {
            out << "ended\n";
            return 0;
        }
    }
    return 0;
}

} // namespace vrex::tools
