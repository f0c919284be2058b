#include "mainwindow/DesignNoteText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>

namespace stakewell::mainwindow {

namespace {

// The calculation has no Qt, so its fixed texts are listed here, word for
// word as it writes them, for the translation to find.
constexpr std::array FixedLines{
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the earth resistivity."),
    QT_TRANSLATE_NOOP("DesignNotes", "The earth resistivity must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the electrode length."),
    QT_TRANSLATE_NOOP("DesignNotes", "The electrode length must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the electrode diameter."),
    QT_TRANSLATE_NOOP("DesignNotes", "The electrode diameter must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the wire length."),
    QT_TRANSLATE_NOOP("DesignNotes", "The wire length must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the wire diameter."),
    QT_TRANSLATE_NOOP("DesignNotes", "The wire diameter must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the wire depth."),
    QT_TRANSLATE_NOOP("DesignNotes", "The wire depth must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the distance from E1 to E2."),
    QT_TRANSLATE_NOOP("DesignNotes", "The distance from E1 to E2 must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the measured resistance."),
    QT_TRANSLATE_NOOP("DesignNotes", "The measured resistance must be above 0."),
    QT_TRANSLATE_NOOP("DesignNotes", "Enter the number of electrodes."),
    QT_TRANSLATE_NOOP("DesignNotes", "The number of electrodes must be at least 1."),
    QT_TRANSLATE_NOOP("DesignNotes", "A wire this thick cannot lie buried this shallow: its "
                                     "radius is more than its depth."),
    QT_TRANSLATE_NOOP("DesignNotes",
                      "The electrode is shorter than its diameter: no rod formula holds for it."),
    QT_TRANSLATE_NOOP("DesignNotes", "The electrode is less than ten times as long as its "
                                     "diameter: the approximation no longer holds here."),
    QT_TRANSLATE_NOOP("DesignNotes", "The electrodes stand closer together than they are long: "
                                     "the approximation no longer holds here."),
    QT_TRANSLATE_NOOP("DesignNotes", "The wire lies deeper than the electrodes reach: the "
                                     "approximation no longer holds here."),
    QT_TRANSLATE_NOOP("DesignNotes",
                      "No figure: these inputs give no value the approximation can stand for."),
};

QString ShownLine(const QString& line) {
    const QByteArray text = line.toUtf8();
    const bool fixed = std::any_of(FixedLines.begin(), FixedLines.end(),
                                   [&text](const char* fixedLine) { return text == fixedLine; });
    return fixed ? QCoreApplication::translate("DesignNotes", text.constData()) : line;
}

} // namespace

QString ShownNote(const std::string& note) {
    if (note.empty()) {
        return {};
    }
    QStringList lines = QString::fromStdString(note).split(u'\n');
    for (QString& line : lines) {
        line = ShownLine(line);
    }
    return lines.join(u'\n');
}

} // namespace stakewell::mainwindow
