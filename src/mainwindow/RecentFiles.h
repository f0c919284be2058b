#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace stakewell::mainwindow {

// The data files last opened or saved, most recent first, kept in a settings
// file of their own; without one the list lasts only while the window does.
class RecentFiles {
public:
    static constexpr qsizetype Longest = 8;

    // settingsFile empty: nothing is read or kept.
    explicit RecentFiles(const QString& settingsFile);
    ~RecentFiles();
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;
    RecentFiles(RecentFiles&&) = delete;
    RecentFiles& operator=(RecentFiles&&) = delete;

    const QStringList& Files() const { return files; }
    // Puts the file first, once, and lets the oldest fall off the end.
    void Take(const QString& fileName);
    void Drop(const QString& fileName);
    // The main window's zoom in percent, kept in the same settings file.
    int Zoom() const;
    void KeepZoom(int percent);

private:
    void Keep();

    std::unique_ptr<QSettings> settings;
    QStringList files;
};

// The settings file of the recent list beside the last run's state, so that a
// program run from its own folder keeps both there.
QString RecentFilesSettings(const QString& lastConfigFile);

} // namespace stakewell::mainwindow
