// What every window and command of one running program shares: its windows and the way it shows
// messages. The program's entry owns the one instance; tests build their own with a recorder in
// place of the real message boxes.
#pragma once

#include "ui/message_boxes.hpp"
#include "ui/window_set.hpp"

namespace veltrix::ui {

class AppContext {
  public:
    explicit AppContext(MessageBoxes& messages) : messages_(messages), windows_(*this) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    WindowSet& Windows() { return windows_; }
    MessageBoxes& Messages() { return messages_; }

    // Ends the program at once: closes every window, hidden ones too, and leaves the event loop.
    // Nothing is asked and nothing is saved.
    void End();

  private:
    MessageBoxes& messages_;
    WindowSet windows_;
    bool ending_ = false;
};

} // namespace veltrix::ui
