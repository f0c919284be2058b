#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace stakewell::files {

// Text values under slash-separated paths, kept in one XML file. Path parts
// are stored as attribute values, so any part works ("4Pt", "Ohms-0"), and
// every text comes back exactly as it was set, whatever characters it holds.
// Reading and writing are whole-file operations: the file is never open
// between them.
class XmlValueStore {
public:
    // A larger file is refused unread. The largest real file (32767 points)
    // is about 3.5 MB, so this leaves ample room without letting a hostile
    // file make the program allocate without bound.
    static constexpr qint64 MaxFileMegabytes = 32;
    static constexpr qint64 MaxFileBytes = MaxFileMegabytes * 1024 * 1024;

    void FileName(const QString& fileName) { name = fileName; }
    const QString& FileName() const { return name; }

    // Reads the named file. On failure the store holds nothing and the reason
    // is returned, with the line and column of an XML error.
    std::optional<QString> Read();
    // Writes every value into the named file at once; the old file stays
    // untouched unless the whole new one could be written.
    std::optional<QString> Write() const;

    // The empty text for a path the store does not hold.
    QString GetValue(const QString& path) const;
    // Tells a value set to the empty text from one never set.
    bool Holds(const QString& path) const;
    void SetValue(const QString& path, const QString& value);
    // Whether both hold the same texts under the same paths in the same
    // order, so that both would be written as the same file.
    bool SameValues(const XmlValueStore& other) const;
    // Room for this many values, so that a large survey is stored without
    // growing the store step by step.
    void Reserve(std::size_t count);

private:
    struct Entry {
        QString path;
        QString value;
    };

    void Clear();

    QString name;
    // In the order first set, so the file reads like the window it came from.
    std::vector<Entry> entries;
    // Each path's place in the entries.
    QHash<QString, qsizetype> places;
};

} // namespace stakewell::files
