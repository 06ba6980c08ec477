#pragma once
// The Qt front: builds every window from its layout table, turns each Qt
// event into one core handler call, then mirrors the core's control state
// onto the widgets. No behaviour lives here.

#include "qt/bound_control.h"
#include "qt/picture_canvas.h"
#include "state/editor.h"
#include "windows/layout.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <QMargins>

#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace vrex::qt {

class Front : public QObject {
    Q_OBJECT

public:
    // services: the platform's; the front adds window showing and wraps endProgram.
    explicit Front(vrex::Services services);
    ~Front() override;

    // Runs the main window's start-up sequence, which shows the windows.
    void start();

    vrex::Editor& editor() { return *editor_; }
    PictureCanvas& canvas() { return *canvas_; }

    // A window by name, built on first request (six exist; four are ever shown).
    QWidget* window(std::string_view name);
    // The windows in the order they were shown.
    const std::vector<QPointer<QWidget>>& shownWindows() const { return shown_; }
    // A control by name: the main window's first, then the other windows' in show order.
    QWidget* findControl(const QString& name) const;

    bool ended() const { return ended_; }
    // Called once when the program ends (END, or a successful "Write && End").
    std::function<void()> onEnd;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Handler>
    void run(Handler&& handler);
    void bindControls();
    void wireKeys();
    QAbstractButton* boundButton(std::string_view control) const;
    void mirror();
    void showWindow(const std::string& name);
    void end();
    bool refusesClose(const QObject* watched) const;

    struct LazyWindow {
        const vrex::WindowLayout* layout;
        std::unique_ptr<QWidget> window;
    };
    std::vector<LazyWindow> windows_;
    std::vector<BoundControl> bound_;
    QWidget* mainWindow_ = nullptr;
    PictureCanvas* canvas_ = nullptr;
    std::unique_ptr<vrex::Editor> editor_;
    vrex::ControlState shownState_;
    std::vector<QPointer<QWidget>> shown_;
    // The frame margins each shown window was last placed with.
    std::map<const QWindow*, QMargins> placedMargins_;
    bool ended_ = false;
};

} // namespace vrex::qt
