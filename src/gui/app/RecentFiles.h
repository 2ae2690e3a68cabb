#pragma once

#include <QSettings>
#include <QStringList>

namespace kavro::gui {

// The recent-file list of the profile: the last 8 files opened or saved, newest first.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(QSettings& profile) : profile_(profile) {}

    QStringList files() const;
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& files);
    QSettings& profile_;
};

}  // namespace kavro::gui
