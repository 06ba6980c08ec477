#include "qt/front.h"

#include "qt/bound_control.h"
#include "qt/edge_label.h"
#include "qt/form_builder.h"
#include "qt/screen_fit.h"
#include "shell/control_table.h"
#include "shell/event_boundary.h"
#include "shell/mouse_input.h"
#include "shell/startup.h"
#include "shell/undo_commands.h"
#include "windows/key_bindings.h"
#include "windows/layout.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QMouseEvent>
#include <QShortcut>
#include <QWindow>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace vrex::qt {

namespace {

// A position Qt may round to whole pixels without overflowing.
bool roundable(QPointF at)
{
    constexpr double Limit = 1 << 24;
    return std::isfinite(at.x()) && std::isfinite(at.y()) && std::abs(at.x()) < Limit && std::abs(at.y()) < Limit;
}

// The core faults on a position it cannot hold; one beyond float must not
// even reach the conversion.
Single toSingle(double v)
{
    if (std::isnan(v) || std::abs(v) <= std::numeric_limits<Single>::max())
        return static_cast<Single>(v);
    return v > 0 ? std::numeric_limits<Single>::infinity() : -std::numeric_limits<Single>::infinity();
}

QList<QKeySequence> keySequences(std::span<const std::string_view> keys)
{
    QList<QKeySequence> sequences;
    for (std::string_view key : keys)
        sequences.append(QKeySequence(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())),
                                      QKeySequence::PortableText));
    return sequences;
}

// Window context: the keys work whatever control of the main window has the
// focus, and a shortcut takes the key before that control sees it.
QShortcut* windowShortcut(QWidget* window, std::span<const std::string_view> keys)
{
    auto* shortcut = new QShortcut(window);
    shortcut->setKeys(keySequences(keys));
    shortcut->setContext(Qt::WindowShortcut);
    return shortcut;
}

QWidget* childNamed(QWidget* window, const QString& name)
{
    if (!window)
        return nullptr;
    return window->findChild<QWidget*>(name);
}

} // namespace

Front::Front(vrex::Services services)
{
    // END and "Write && End" are the only ways out: closing windows is not one.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    canvas_ = new PictureCanvas; // owned by the main window once built
    for (const WindowLayout* layout : allWindowLayouts())
        windows_.push_back(LazyWindow{layout, nullptr});
    mainWindow_ = window(MainWindowName);
    mainWindow_->setMouseTracking(true);
    mainWindow_->installEventFilter(this);

    services.showWindow = [this](const std::string& name) { showWindow(name); };
    services.endProgram = [this] { end(); };
    editor_ = std::make_unique<vrex::Editor>(*canvas_, std::move(services));

    canvas_->onPointer = [this](const PointerEvent& e) {
        const auto button = static_cast<Integer>(e.button);
        const Single x = toSingle(e.x);
        const Single y = toSingle(e.y);
        run([&] {
            switch (e.kind) {
            case PointerEvent::Kind::Down: CAD8pic_mousedown(*editor_, button, 0, x, y); break;
            case PointerEvent::Kind::Move: CAD8pic_mousemove(*editor_, button, 0, x, y); break;
            case PointerEvent::Kind::Up: CAD8pic_mouseup(*editor_, button, 0, x, y); break;
            }
        });
    };
    bindControls();
    wireKeys();
}

Front::~Front() = default;

void Front::start()
{
    run([this] { StartUpSequence(*editor_); });
}

template <typename Handler>
void Front::run(Handler&& handler)
{
    if (ended_)
        return;
    handleEvent(*editor_, handler);
    if (!ended_)
        mirror();
}

// Every row of the control table must find its widget: a missing one throws
// here, at start-up, rather than leaving a control dead.
void Front::bindControls()
{
    for (const ControlBinding& row : controlTable()) {
        const BoundControl bound = bindControl(window(row.window), row);
        bound_.push_back(bound);
        if (auto handler = row.click)
            connect(bound.button, &QAbstractButton::clicked, this,
                    [this, handler] { run([&] { handler(*editor_); }); });
    }
}

void Front::wireKeys()
{
    for (const ButtonKeys& b : mainWindowButtonKeys()) {
        QAbstractButton* button = boundButton(b.control);
        button->setToolTip(QString::fromUtf8(b.toolTip.data(), static_cast<qsizetype>(b.toolTip.size())));
        QShortcut* shortcut = windowShortcut(mainWindow_, b.keys);
        // A held key is one click, as a held mouse button is.
        shortcut->setAutoRepeat(false);
        // click() does nothing while the button is disabled.
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    }
    connect(windowShortcut(mainWindow_, undoKeys()), &QShortcut::activated, this,
            [this] { run([this] { UndoPressed(*editor_); }); });
    connect(windowShortcut(mainWindow_, redoKeys()), &QShortcut::activated, this,
            [this] { run([this] { RedoPressed(*editor_); }); });
}

// A key's button is a row of the control table, bound already; a key whose
// button is not there is a fault, as a row's missing widget is.
QAbstractButton* Front::boundButton(std::string_view control) const
{
    for (const BoundControl& b : bound_)
        if (b.row->control == control && b.button)
            return b.button;
    throw std::logic_error("no button " + std::string(control) + " in the control table for its key");
}

void Front::mirror()
{
    const ControlState& now = editor_->controls;
    for (const BoundControl& b : bound_) {
        if (b.row->button) {
            const ButtonState& state = now.*(b.row->button);
            ButtonState& shown = shownState_.*(b.row->button);
            if (state.Caption != shown.Caption)
                b.button->setText(QString::fromStdString(state.Caption));
            if (state.Enabled != shown.Enabled)
                b.button->setEnabled(state.Enabled);
            shown = state;
        }
        if (b.row->text) {
            const std::string& text = now.*(b.row->text);
            std::string& shown = shownState_.*(b.row->text);
            if (text != shown) {
                b.label->setText(QString::fromStdString(text));
                fitEdgeLabel(*b.label);
                shown = text;
            }
        }
    }
}

void Front::showWindow(const std::string& name)
{
    QWidget* w = window(name);
    if (!w)
        return;
    // Until the window manager frames it, assume the frame of a window already shown.
    QMargins estimate;
    for (const auto& other : shown_)
        if (other && other->windowHandle())
            estimate = other->windowHandle()->frameMargins();
    placeOnScreen(w, estimate);
    w->installEventFilter(this);
    w->show();
    if (QWindow* handle = w->windowHandle()) {
        placedMargins_[handle] = estimate;
        handle->installEventFilter(this);
    }
    shown_.emplace_back(w);
    if (w == mainWindow_) {
        w->raise();
        w->activateWindow();
    }
}

void Front::end()
{
    ended_ = true;
    for (auto& w : windows_)
        if (w.window)
            w.window->hide();
    if (onEnd)
        onEnd();
}

// A window is built when it is first asked for: two of them never are.
QWidget* Front::window(std::string_view name)
{
    for (LazyWindow& w : windows_) {
        if (w.layout->name != name)
            continue;
        if (!w.window) {
            const bool isMain = name == MainWindowName;
            w.window.reset(buildWindow(*w.layout, isMain ? canvas_ : nullptr));
        }
        return w.window.get();
    }
    return nullptr;
}

QWidget* Front::findControl(const QString& name) const
{
    if (QWidget* c = childNamed(mainWindow_, name))
        return c;
    for (const auto& w : shown_)
        if (w != mainWindow_)
            if (QWidget* c = childNamed(w, name))
                return c;
    return nullptr;
}

bool Front::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && refusesClose(watched)) {
        event->ignore();
        return true;
    }
    // Once the window manager has framed a window, its real frame decides
    // whether it fits the screen; a frame that never changes is placed once.
    if (event->type() == QEvent::Expose) {
        auto* handle = qobject_cast<QWindow*>(watched);
        auto placed = placedMargins_.find(handle);
        if (placed != placedMargins_.end() && placed->second != handle->frameMargins()) {
            placed->second = handle->frameMargins();
            for (const auto& w : shown_)
                if (w && w->windowHandle() == handle)
                    placeOnScreen(w);
        }
    }
    if (watched == mainWindow_ && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPointF at = move->position();
        // Moves over a control reach the window too; only the bare surface counts.
        if (roundable(at) && mainWindow_->childAt(at.toPoint()))
            return QObject::eventFilter(watched, event);
        const auto buttons =
            static_cast<Integer>(move->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
        run([&] { Form_MouseMove(*editor_, buttons, 0, toSingle(at.x()), toSingle(at.y())); });
    }
    return QObject::eventFilter(watched, event);
}

// The windows without a close box stay open whatever asks them to close:
// the main window and the cross-section panel hold the only exits.
bool Front::refusesClose(const QObject* watched) const
{
    for (const LazyWindow& w : windows_)
        if (w.window.get() == watched)
            return w.layout->border == WindowBorder::FixedNoControlBox;
    return false;
}

} // namespace vrex::qt
