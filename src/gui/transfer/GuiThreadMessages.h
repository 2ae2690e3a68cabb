#pragma once

#include <functional>
#include <memory>

#include "messages/MessageSink.h"

namespace kavro::gui {

// The message sink a transfer thread talks to: each box is shown by `target` on the GUI
// thread, in the order asked, and the asking thread waits for the answer. Boxes queue behind
// the progress and status updates sent before them, so the window shows the text that
// belongs with a box before the box comes up.
//
// Create it on the GUI thread. After abandon(), a waiting question and every later one are
// answered at once with the refusing button (OK, No or Cancel) and nothing more is shown:
// the GUI thread calls it before it waits for the transfer thread, which would otherwise wait
// for a box the GUI thread can no longer show.
class GuiThreadMessages : public MessageSink {
public:
    explicit GuiThreadMessages(MessageSink& target);
    ~GuiThreadMessages() override;
    GuiThreadMessages(const GuiThreadMessages&) = delete;
    GuiThreadMessages& operator=(const GuiThreadMessages&) = delete;

    MessageButton showMessage(int stringId, std::string_view argument, MessageStyle style) override;
    MessageButton showMessageNumber(int stringId, long long value, MessageStyle style) override;
    MessageButton showText(std::string_view text, MessageStyle style) override;

    void abandon();

private:
    struct Shared;
    MessageButton ask(MessageStyle style, std::function<MessageButton(MessageSink&)> show);

    std::shared_ptr<Shared> shared_;
};

}  // namespace kavro::gui
