#include "cli/DatabaseFiles.h"

#include "database/ImageFile.h"
#include "document/ChannelDocument.h"

namespace kavro::cli {

bool openDatabase(ChannelDatabase& db, const std::string& path, MessageSink& messages,
                  ImageReadReport* report) {
    if (path.empty()) {
        messages.showText("No file name given.");
        return false;
    }
    return readFile(db, path, messages, report);
}

bool saveDatabaseAs(ChannelDatabase& db, const std::string& path, MessageSink& messages) {
    if (path.empty()) {
        messages.showText("No file name given.");
        return false;
    }
    // Saved by the same document the window uses: safe write, then the file read back so the
    // numbers and links agree with it.
    ChannelDocument document(messages);
    document.installReceived(db, "");
    if (!document.saveDocument(path)) return false;
    db = document.database();
    return true;
}

std::string databaseSummary(const ChannelDatabase& db) {
    auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return count(db.satellites.size(), "satellite", "satellites") + ", " +
           count(db.transponderTotal(), "transponder", "transponders") + ", " +
           count(db.channelTotal(), "channel", "channels") + ", " +
           count(db.groups.size(), "group", "groups");
}

}  // namespace kavro::cli
