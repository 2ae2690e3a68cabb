#include "document/ChannelDocument.h"

#include "database/ImageFile.h"
#include "document/DocumentCommand.h"
#include "document/SaveRenumbering.h"
#include "messages/StringIds.h"

namespace kavro {

ChannelDocument::ChannelDocument(MessageSink& messages, QObject* parent)
    : QObject(parent), messages_(messages) {
    connect(&undo_, &QUndoStack::cleanChanged, this, [this] { emitModifiedIfChanged(); });
}

ChannelDocument::~ChannelDocument() = default;

std::string ChannelDocument::fileName() const {
    const auto slash = path_.find_last_of("/\\");
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

bool ChannelDocument::isModified() const {
    return forcedModified_ || !undo_.isClean();
}

bool ChannelDocument::openDocument(const std::string& path) {
    emit statusMessage(strings::OpeningFile);
    if (!reloadFrom(path, false)) return false;
    setPath(path);
    clearReceivedFromReceiver();
    emit statusMessage(strings::Ready);
    return true;
}

bool ChannelDocument::saveDocument(const std::string& path) {
    if (path.empty()) return false;
    emit statusMessage(strings::SavingFile);
    // The writer works on its own copy: a refused or failed save leaves the database as it was.
    if (!writeFile(db_, path, messages_)) return false;
    setPath(path);
    if (!reloadFrom(path, true)) {
        // The file was written but cannot be read back: keep the data and say it is unsaved.
        setForcedModified(true);
        return false;
    }
    clearReceivedFromReceiver();
    emit statusMessage(strings::Ready);
    return true;
}

bool ChannelDocument::readAgain() {
    if (path_.empty()) return false;
    emit statusMessage(strings::OpeningFile);
    if (!reloadFrom(path_, false)) return false;
    emit statusMessage(strings::Ready);
    return true;
}

bool ChannelDocument::reloadFrom(const std::string& path, bool keepHistory) {
    ChannelDatabase read;
    if (!readFile(read, path, messages_)) return false;

    std::shared_ptr<const SaveRenumbering> renumbering;
    if (keepHistory) {
        if (auto r = SaveRenumbering::between(db_, read))
            renumbering = std::make_shared<const SaveRenumbering>(std::move(*r));
        else
            keepHistory = false;
    }
    db_ = std::move(read);

    if (keepHistory && renumbering && !renumbering->empty()) {
        // The commands on either side of the save were made for the database before the
        // reload: the one before takes the renumbering as part of its result, the one after
        // has it reverted before it runs again.
        const int index = undo_.index();
        auto command = [this](int i) {
            return dynamic_cast<DocumentCommand*>(const_cast<QUndoCommand*>(undo_.command(i)));
        };
        if (index > 0)
            if (auto* before = command(index - 1)) before->appendSaveAfter(renumbering);
        if (index < undo_.count())
            if (auto* after = command(index)) after->appendSaveBefore(renumbering);
    }
    if (!keepHistory) undo_.clear();
    undo_.setClean();
    setForcedModified(false);
    announce(DocumentChange::everything());
    emitModifiedIfChanged();
    return true;
}

void ChannelDocument::installReceived(const ChannelDatabase& db, const std::string& path) {
    db_ = db;
    undo_.clear();
    setPath(path);
    setForcedModified(true);
    if (!receivedFromReceiver_) {
        receivedFromReceiver_ = true;
        emit receivedChanged(true);
    }
    announce(DocumentChange::everything());
}

void ChannelDocument::clearReceivedFromReceiver() {
    if (!receivedFromReceiver_) return;
    receivedFromReceiver_ = false;
    emit receivedChanged(false);
}

void ChannelDocument::retranslateHistory() {
    // The stack hands out its commands as const; their names are all that changes here.
    for (int i = 0; i < undo_.count(); ++i)
        if (auto* command = dynamic_cast<const DocumentCommand*>(undo_.command(i)))
            const_cast<DocumentCommand*>(command)->retranslate();
}

bool ChannelDocument::push(DocumentCommand* command) {
    lastRunApplied_ = false;
    undo_.push(command);
    return lastRunApplied_;
}

void ChannelDocument::announce(const DocumentChange& change) {
    emit changed(change);
}

void ChannelDocument::setPath(const std::string& path) {
    if (path == path_) return;
    path_ = path;
    emit pathChanged();
}

void ChannelDocument::setForcedModified(bool on) {
    forcedModified_ = on;
    emitModifiedIfChanged();
}

void ChannelDocument::emitModifiedIfChanged() {
    const bool modified = isModified();
    if (modified == lastModified_) return;
    lastModified_ = modified;
    emit modifiedChanged(modified);
}

}  // namespace kavro
