#pragma once

#include <QKeyEvent>

namespace kavro::gui {

// The keys both views take as commands: Enter edits, Insert adds, Delete deletes.
enum class ViewKeyCommand { None, Edit, Add, Delete };

inline ViewKeyCommand viewKeyCommand(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return ViewKeyCommand::None;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ViewKeyCommand::Edit;
        case Qt::Key_Insert:
            return ViewKeyCommand::Add;
        case Qt::Key_Delete:
            return ViewKeyCommand::Delete;
        default:
            return ViewKeyCommand::None;
    }
}

}  // namespace kavro::gui
