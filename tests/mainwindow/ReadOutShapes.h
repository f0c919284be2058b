#pragma once

#include <QRegularExpression>
#include <QString>

#include <vector>

class QWidget;

// The text each read-out of the main window may show: a regular expression
// for the display pattern it is written through, or for its fixed wording.
struct ReadOutShape {
    const char* label;
    QRegularExpression shape;
};

// Every read-out of the main window with its shape.
const std::vector<ReadOutShape>& MainWindowReadOuts();
const ReadOutShape& ReadOutOf(const char* label);

// Empty when the read-out in `window` shows text of its shape (or nothing,
// where that is allowed); otherwise what it shows, for a failure message.
QString ReadOutMismatch(const QWidget& window, const ReadOutShape& readOut, bool emptyAllowed);

// A text the window wrote that no reader could take back as a number; text
// in double quotes, the user's own typing quoted back, does not count.
bool ShowsNonNumber(const QString& shown);
