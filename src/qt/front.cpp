#include "qt/front.h"

#include "qt/form_builder.h"
#include "shell/command_buttons.h"
#include "shell/event_boundary.h"
#include "shell/mouse_input.h"
#include "shell/startup.h"
#include "shell/undo_commands.h"
#include "windows/key_bindings.h"
#include "windows/layout.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QMouseEvent>
#include <QShortcut>

namespace vrex::qt {

namespace {

constexpr const char* MainWindowName = "CAD8frm";

// Which core state each mirrored control shows.
struct MirroredButton {
    const char* control;
    ButtonState ControlState::*state;
};
constexpr MirroredButton MirroredButtons[] = {
    {"Button1_NewRenameLeft_8cbn", &ControlState::Button1},
    {"Button2_SelectAssignUnassignYes_8cbn", &ControlState::Button2},
    {"Button3_EditDone_8cbn", &ControlState::Button3},
    {"Button4_DeleteRightNo_8cbn", &ControlState::Button4},
    {"Button_Cancel8cbn", &ControlState::Cancel},
};

struct MirroredLabel {
    const char* control;
    std::string ControlState::*text;
};
constexpr MirroredLabel MirroredLabels[] = {
    {"UserMustSee8lbl", &ControlState::UserMustSee},
    {"ConcludingInfoToUser8lbl", &ControlState::ConcludingInfo},
    {"CADleft8lbl", &ControlState::CADleft},
    {"CADright8lbl", &ControlState::CADright},
    {"CADtop8lbl", &ControlState::CADtop},
    {"CADbotton8lbl", &ControlState::CADbotton},
    {"Label21", &ControlState::Label21},
};

// The Click of each control that has one.
struct ClickHandler {
    const char* window;
    const char* control;
    void (*handler)(Editor&);
};
constexpr ClickHandler ClickHandlers[] = {
    {MainWindowName, "Button1_NewRenameLeft_8cbn", &Button1Pressed},
    {MainWindowName, "Button2_SelectAssignUnassignYes_8cbn", &Button2Pressed},
    {MainWindowName, "Button3_EditDone_8cbn", &Button3Pressed},
    {MainWindowName, "Button4_DeleteRightNo_8cbn", &Button4Pressed},
    {MainWindowName, "Button_Cancel8cbn", &CancelPressed},
    {MainWindowName, "zoomInBox_8cbn", &zoomInBox_8cbn_Click},
    {MainWindowName, "ZoomOut_8cbn", &ZoomOut_8cbn_Click},
    {MainWindowName, "END8cbn", &END8cbn_Click},
    {"XSpick8frm", "End8cbn", &End8cbn_Click},
};

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
        const auto x = static_cast<Single>(e.x);
        const auto y = static_cast<Single>(e.y);
        run([&] {
            switch (e.kind) {
            case PointerEvent::Kind::Down: CAD8pic_mousedown(*editor_, button, 0, x, y); break;
            case PointerEvent::Kind::Move: CAD8pic_mousemove(*editor_, button, 0, x, y); break;
            case PointerEvent::Kind::Up: CAD8pic_mouseup(*editor_, button, 0, x, y); break;
            }
        });
    };
    wireControls();
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

void Front::wireControls()
{
    for (const ClickHandler& click : ClickHandlers) {
        auto* button = qobject_cast<QAbstractButton*>(childNamed(window(click.window), click.control));
        if (!button)
            continue;
        auto handler = click.handler;
        connect(button, &QAbstractButton::clicked, this, [this, handler] { run([&] { handler(*editor_); }); });
    }
}

void Front::wireKeys()
{
    for (const ButtonKeys& b : mainWindowButtonKeys()) {
        const auto name = QString::fromUtf8(b.control.data(), static_cast<qsizetype>(b.control.size()));
        auto* button = qobject_cast<QAbstractButton*>(childNamed(mainWindow_, name));
        if (!button)
            continue;
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

void Front::mirror()
{
    const ControlState& now = editor_->controls;
    for (const MirroredButton& b : MirroredButtons) {
        const ButtonState& state = now.*(b.state);
        ButtonState& shown = shownState_.*(b.state);
        if (state == shown)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(childNamed(mainWindow_, b.control))) {
            if (state.Caption != shown.Caption)
                button->setText(QString::fromStdString(state.Caption));
            if (state.Enabled != shown.Enabled)
                button->setEnabled(state.Enabled);
        }
        shown = state;
    }
    for (const MirroredLabel& l : MirroredLabels) {
        const std::string& text = now.*(l.text);
        std::string& shown = shownState_.*(l.text);
        if (text == shown)
            continue;
        if (auto* label = qobject_cast<QLabel*>(childNamed(mainWindow_, l.control)))
            label->setText(QString::fromStdString(text));
        shown = text;
    }
}

void Front::showWindow(const std::string& name)
{
    QWidget* w = window(name);
    if (!w)
        return;
    w->show();
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
QWidget* Front::window(std::string_view name) const
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
    if (watched == mainWindow_ && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        // Moves over a control reach the window too; only the bare surface counts.
        if (mainWindow_->childAt(move->position().toPoint()))
            return QObject::eventFilter(watched, event);
        const auto buttons =
            static_cast<Integer>(move->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
        const QPointF at = move->position();
        run([&] { Form_MouseMove(*editor_, buttons, 0, static_cast<Single>(at.x()), static_cast<Single>(at.y())); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vrex::qt
