#pragma once

#include <QString>
#include <QStringList>

namespace stakewell::files {

// Where and by whom a test was taken, so that its report can be filed. Every
// field is free text; the record counts as filled once any field holds
// something other than blanks.
struct SiteRecord {
    QString Site;
    QString Engineer;
    QString TestDate;
    QString Instrument;
    QString Notes;

    bool Filled() const;
    friend bool operator==(const SiteRecord&, const SiteRecord&) = default;
};

// The record's filled fields as "Label: text" lines, the notes' further
// lines indented under their first; nothing for an empty record.
QStringList SiteRecordLines(const SiteRecord& record);

} // namespace stakewell::files
