#include "files/SiteRecord.h"

#include <algorithm>
#include <array>
#include <utility>

namespace stakewell::files {
namespace {

std::array<std::pair<const char*, const QString*>, 5> Labelled(const SiteRecord& record) {
    return {{{"Site:       ", &record.Site},
             {"Engineer:   ", &record.Engineer},
             {"Test date:  ", &record.TestDate},
             {"Instrument: ", &record.Instrument},
             {"Notes:      ", &record.Notes}}};
}

} // namespace

bool SiteRecord::Filled() const {
    return std::ranges::any_of(
        Labelled(*this), [](const auto& field) { return !field.second->trimmed().isEmpty(); });
}

QStringList SiteRecordLines(const SiteRecord& record) {
    QStringList lines;
    for (const auto& [label, text] : Labelled(record)) {
        if (text->trimmed().isEmpty()) {
            continue;
        }
        const QString indent(static_cast<qsizetype>(std::char_traits<char>::length(label)), u' ');
        const QStringList parts = text->trimmed().split(u'\n');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            lines.append((i == 0 ? QLatin1String(label) : indent) + parts[i].trimmed());
        }
    }
    return lines;
}

} // namespace stakewell::files
