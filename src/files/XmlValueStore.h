#pragma once

#include "files/StoredText.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
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

    // The place of the values whose paths begin with `prefix` (empty, or
    // ending in "/") and go on without another "/".
    using GroupId = std::size_t;
    GroupId Group(const QString& prefix);
    // Adds a value under a path the store does not hold yet, as SetValue
    // would but without looking the path up: a whole survey is stored at
    // the cost of its texts alone.
    void Append(GroupId group, StoredText name, StoredText value);
    void Append(const QString& path, StoredText value);
    bool Empty() const { return entries.empty(); }
    // Room for this many values, so that a large survey is stored without
    // growing the store step by step.
    void Reserve(std::size_t count) { entries.reserve(count); }
    // Every value in its place, as its group's prefix, its name and its
    // text, in one pass that looks nothing up. A path a file repeats may
    // come more than once, its last value last.
    template <typename Visit> void Walk(Visit visit) const {
        for (const Entry& entry : entries) {
            if (!entry.folded) {
                visit(groups[entry.group], entry.name, entry.value);
            }
        }
    }

private:
    struct Entry {
        GroupId group = 0;
        StoredText name;
        StoredText value;
        // Taken into an earlier entry of the same path.
        bool folded = false;
    };
    using Place = std::pair<GroupId, QString>;

    void Clear();
    // Indexes the group's values not indexed yet, each repeat folded into
    // the first entry of its path, which takes the repeat's value.
    void Settle(GroupId group) const;
    void SettleAll() const;
    std::optional<std::size_t> Find(const QString& path) const;
    static std::pair<QString, QString> Split(const QString& path);

    QString name;
    // What the plain texts of a file read point into.
    std::shared_ptr<const void> source;
    // Each group's prefix, and its place among them.
    std::vector<QString> groups;
    QHash<QString, GroupId> groupIds;
    // In the order first set, so the file reads like the window it came
    // from. Repeats are folded and paths indexed only when a path is first
    // looked up in a group, so that a whole file read and taken in one walk
    // never pays for either; that is why they change in const lookups, and
    // why a store is for one thread at a time.
    mutable std::vector<Entry> entries;
    mutable QHash<Place, std::size_t> places;
    // Per group, how many of the entries were looked at to index it.
    mutable std::vector<std::size_t> settled;
    // A file read may repeat a path; values set never do.
    mutable bool mayRepeat = false;
};

} // namespace stakewell::files
