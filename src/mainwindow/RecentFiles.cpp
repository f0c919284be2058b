#include "mainwindow/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace stakewell::mainwindow {

namespace {

const QString ListKey = QStringLiteral("RecentFiles");

// One file reached by two spellings of its path is one entry.
QString Canonical(const QString& fileName) {
    return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(const QString& settingsFile) {
    if (settingsFile.isEmpty()) {
        return;
    }
    settings = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    // A list edited by hand may hold anything; it is read as the program
    // would have written it.
    for (const QString& fileName : settings->value(ListKey).toStringList()) {
        if (!fileName.isEmpty() && !files.contains(Canonical(fileName)) && files.size() < Longest) {
            files.append(Canonical(fileName));
        }
    }
}

RecentFiles::~RecentFiles() = default;

void RecentFiles::Take(const QString& fileName) {
    const QString entry = Canonical(fileName);
    files.removeAll(entry);
    files.prepend(entry);
    if (files.size() > Longest) {
        files.resize(Longest);
    }
    Keep();
}

void RecentFiles::Drop(const QString& fileName) {
    files.removeAll(Canonical(fileName));
    Keep();
}

void RecentFiles::Keep() {
    if (settings) {
        settings->setValue(ListKey, files);
        settings->sync();
    }
}

int RecentFiles::Zoom() const {
    return settings ? settings->value(QStringLiteral("view/zoom"), 100).toInt() : 100;
}

void RecentFiles::KeepZoom(int percent) {
    if (settings) {
        settings->setValue(QStringLiteral("view/zoom"), percent);
        settings->sync();
    }
}

QString RecentFilesSettings(const QString& lastConfigFile) {
    if (lastConfigFile.isEmpty()) {
        return {};
    }
    return QFileInfo(lastConfigFile).dir().filePath(QStringLiteral("RecentFiles.ini"));
}

} // namespace stakewell::mainwindow
