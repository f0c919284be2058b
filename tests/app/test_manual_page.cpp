#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Every option the program's --help tells of has its entry in the manual
// page, so a new option cannot ship undocumented.
TEST(ManualPage, CoversEveryOptionTheProgramTakes) {
    QProcess program;
    program.start(QStringLiteral(STAKEWELL_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString help = QString::fromLocal8Bit(program.readAllStandardOutput());
    QFile page(QStringLiteral(STAKEWELL_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());

    int options = 0;
    QRegularExpressionMatchIterator found =
        QRegularExpression(QStringLiteral("--([a-z0-9]+)")).globalMatch(help);
    while (found.hasNext()) {
        const QString option = found.next().captured(1);
        ++options;
        EXPECT_TRUE(manual.contains(QStringLiteral("\\-\\-") + option)) << option.toStdString();
    }
    EXPECT_GE(options, 12) << help.toStdString();
}

} // namespace
