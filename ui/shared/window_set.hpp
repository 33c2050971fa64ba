// The program's windows: one instance of each, known by its name, created at its first use and
// destroyed by its close box.
//
// A window class plugs in by deriving from SetWindow<QWidget> (or another widget class) and
// providing, besides Q_OBJECT:
//
//     static constexpr char kName[] = "Form4";              // its object name and identity
//     static constexpr TwipsRect kClientArea{3495, 3900, 4335, 315};  // where it first appears
//     explicit SolutionWindow(AppContext& app);             // builds the initial contents
//
// and is then reached through the set: Get<W>() for a command that only reads or writes its
// controls (creates it hidden), MakeVisible<W>() to open it, Show<W>() to open it in front.
// Nothing has to be registered.
#pragma once

#include "ui/shared/geometry.hpp"

#include <QCloseEvent>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

namespace veltrix::ui {

class AppContext;

class WindowSet {
  public:
    explicit WindowSet(AppContext& app) : app_(app) {}
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // The window if it exists; a window whose close box was pressed no longer does.
    template <class W> W* Find() const { return qobject_cast<W*>(FindByName(W::kName)); }

    // The window, created hidden with its initial contents if it does not exist.
    template <class W> W& Get() {
        if (W* existing = Find<W>()) {
            return *existing;
        }
        W* created = new W(app_);
        Adopt(*created, W::kName, W::kClientArea);
        return *created;
    }

    // Shows the window, modeless, without bringing it to the front; a visible window is left
    // exactly as it is.
    template <class W> W& MakeVisible() {
        W& window = Get<W>();
        MakeVisible(window);
        return window;
    }

    // Shows the window and brings it to the front, whether or not it was visible.
    template <class W> W& Show() {
        W& window = Get<W>();
        ShowInFront(window);
        return window;
    }

    // Hides the window; it keeps its contents for its next showing.
    template <class W> void Hide() {
        if (W* window = Find<W>()) {
            window->hide();
        }
    }

    QWidget* FindByName(const QString& name) const;
    // Names of the windows that exist now, visible or hidden, in order of creation.
    QStringList ExistingNames() const;
    // Closes every window, hidden ones too, as their close boxes would.
    void CloseAll();

    // Told by a window of the set that it accepted a close: from now on it no longer exists for
    // the program, and it is deleted once control is back in the event loop.
    void Closed(QWidget& window);

  private:
    struct Member {
        QPointer<QWidget> window; // null once deleted
        bool open = true;         // false from its close on, until it is deleted
    };

    void Adopt(QWidget& window, const char* name, const TwipsRect& clientArea);
    static void MakeVisible(QWidget& window);
    static void ShowInFront(QWidget& window);
    static bool IsOpen(const Member& member) { return member.open && member.window; }

    AppContext& app_;
    std::vector<Member> windows_;
};

// The base of every window of the set: a close the window accepts, from its close box or from
// close(), takes it out of the set.
template <class Base> class SetWindow : public Base {
  protected:
    explicit SetWindow(WindowSet& set) : set_(set) {}

    void closeEvent(QCloseEvent* event) override {
        Base::closeEvent(event);
        if (event->isAccepted()) {
            set_.Closed(*this);
        }
    }

  private:
    WindowSet& set_;
};

} // namespace veltrix::ui
