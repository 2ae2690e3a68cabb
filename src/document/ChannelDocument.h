#pragma once

#include <QObject>
#include <QUndoStack>
#include <memory>
#include <string>

#include "database/ChannelDatabase.h"
#include "document/DocumentChange.h"
#include "messages/MessageSink.h"

namespace kavro {

class DocumentCommand;

// The one owner of the receiver database: it ties the database to a file path, a modified
// flag and the received-from-receiver flag, and keeps the undo history. Nothing else changes
// the database: the file operations here replace it as a whole, and every edit is a
// DocumentCommand pushed with push(). Views read database() and follow changed().
//
// The modified flag follows the undo stack's clean state; data received from the receiver is
// modified until it is saved, whatever the history says.
class ChannelDocument : public QObject {
    Q_OBJECT
public:
    explicit ChannelDocument(MessageSink& messages, QObject* parent = nullptr);
    ~ChannelDocument() override;

    const ChannelDatabase& database() const { return db_; }
    MessageSink& messages() const { return messages_; }
    QUndoStack* undoStack() { return &undo_; }

    // The file the document was opened from or last saved to (UTF-8); empty before either.
    const std::string& path() const { return path_; }
    bool hasPath() const { return !path_.empty(); }
    // The file-name part of the path, empty without one.
    std::string fileName() const;
    bool isModified() const;
    bool receivedFromReceiver() const { return receivedFromReceiver_; }

    // Opens `path`: the opener's checks with their messages, then the reader. On success the
    // database, path and a fresh history replace the old ones and the document is clean; on
    // failure nothing changes. Data received from the receiver is no longer the document then.
    bool openDocument(const std::string& path);

    // Saves to `path` through the safe writer, then reads the written file back so channel
    // numbers and group references match the file; the path becomes `path`, the document is
    // clean, receivedFromReceiver is cleared, and the history is kept (undoing past the save
    // marks the document modified again). A refused or failed save changes nothing.
    bool saveDocument(const std::string& path);

    // Read again file: re-reads the current path. Success gives a clean document with a fresh
    // history; failure (the file vanished or became unreadable) keeps the database and the
    // modified flag.
    bool readAgain();

    // Makes received data the document (after an upload): `path` (may be empty), modified,
    // receivedFromReceiver set, a fresh history.
    void installReceived(const ChannelDatabase& db, const std::string& path);

    void clearReceivedFromReceiver();

    // Runs an edit as one undoable step. The document takes ownership. False when the edit
    // changed nothing (a stale position, or refused with a message); it is not kept then.
    bool push(DocumentCommand* command);

    // Names every step of the history again in the interface language (after a switch).
    void retranslateHistory();

    // For DocumentCommand only: the database to change, and the announcement of the change.
    ChannelDatabase& databaseForCommand() { return db_; }
    void announce(const DocumentChange& change);

signals:
    void changed(const kavro::DocumentChange& change);
    void modifiedChanged(bool modified);
    void pathChanged();
    void receivedChanged(bool received);
    // A numbered status text (2080 opening, 2081 saving, 57345 Ready).
    void statusMessage(int stringId);

private:
    friend class DocumentCommand;
    bool reloadFrom(const std::string& path, bool keepHistory);
    void setPath(const std::string& path);
    void setForcedModified(bool on);
    void emitModifiedIfChanged();

    MessageSink& messages_;
    ChannelDatabase db_;
    QUndoStack undo_;
    std::string path_;
    bool forcedModified_ = false;
    bool receivedFromReceiver_ = false;
    bool lastModified_ = false;
    bool lastRunApplied_ = false;
};

}  // namespace kavro
