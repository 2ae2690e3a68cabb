#include "gui/transfer/GuiThreadMessages.h"

#include <QCoreApplication>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <string>

namespace kavro::gui {
namespace {

MessageButton refusal(MessageStyle style) {
    switch (style) {
        case MessageStyle::Ok:
            return MessageButton::Ok;
        case MessageStyle::YesNo:
            return MessageButton::No;
        case MessageStyle::OkCancel:
        case MessageStyle::YesNoCancel:
            return MessageButton::Cancel;
    }
    return MessageButton::Cancel;
}

}  // namespace

// Outlives the sink: a box still queued on the GUI thread finds the state here.
struct GuiThreadMessages::Shared {
    explicit Shared(MessageSink* sink) : target(sink) {}
    MessageSink* target;
    std::mutex mutex;
    std::condition_variable answered;
    bool abandoned = false;
};

GuiThreadMessages::GuiThreadMessages(MessageSink& target)
    : shared_(std::make_shared<Shared>(&target)) {}

GuiThreadMessages::~GuiThreadMessages() {
    abandon();
}

void GuiThreadMessages::abandon() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->abandoned = true;
    }
    shared_->answered.notify_all();
}

MessageButton GuiThreadMessages::showMessage(int stringId, std::string_view argument,
                                             MessageStyle style) {
    return ask(style, [stringId, argument = std::string(argument), style](MessageSink& sink) {
        return sink.showMessage(stringId, argument, style);
    });
}

MessageButton GuiThreadMessages::showMessageNumber(int stringId, long long value,
                                                   MessageStyle style) {
    return ask(style, [stringId, value, style](MessageSink& sink) {
        return sink.showMessageNumber(stringId, value, style);
    });
}

MessageButton GuiThreadMessages::showText(std::string_view text, MessageStyle style) {
    return ask(style, [text = std::string(text), style](MessageSink& sink) {
        return sink.showText(text, style);
    });
}

MessageButton GuiThreadMessages::ask(MessageStyle style,
                                     std::function<MessageButton(MessageSink&)> show) {
    QCoreApplication* app = QCoreApplication::instance();
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->abandoned) return refusal(style);
    }
    if (app == nullptr || QThread::currentThread() == app->thread()) return show(*shared_->target);

    struct Reply {
        bool done = false;
        MessageButton button = MessageButton::Ok;
    };
    auto reply = std::make_shared<Reply>();
    QMetaObject::invokeMethod(
        app,
        [shared = shared_, reply, show = std::move(show)] {
            {
                std::lock_guard lock(shared->mutex);
                if (shared->abandoned) return;
            }
            const MessageButton button = show(*shared->target);
            {
                std::lock_guard lock(shared->mutex);
                reply->button = button;
                reply->done = true;
            }
            shared->answered.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock lock(shared_->mutex);
    shared_->answered.wait(lock, [&] { return reply->done || shared_->abandoned; });
    return reply->done ? reply->button : refusal(style);
}

}  // namespace kavro::gui
