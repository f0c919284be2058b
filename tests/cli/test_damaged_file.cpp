#include "CaseName.h"

#include "cli/FieldCommand.h"
#include "files/DamagedDataFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class DamagedFile : public testing::TestWithParam<DamagedCase> {
protected:
    QTemporaryDir folder;
};

// Each command that reads a data file refuses it alike: status 1, nothing on
// standard output, the item named on standard error.
TEST_P(DamagedFile, IsRefusedByEveryCommandWithTheItemNamed) {
    const QString file =
        WriteDamagedDataFile(folder.filePath(QStringLiteral("site.xml")), GetParam());
    const std::string expected = QStringLiteral("stakewell: cannot read \"%1\": %2\n")
                                     .arg(file, QString::fromUtf8(GetParam().reason))
                                     .toStdString();
    for (const QStringList& command :
         {QStringList{"--report", file}, QStringList{"--report", file, "--e2", "100"},
          QStringList{"--analyse", file, "--e2", "100"}, QStringList{"--soil", file}}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(stakewell::cli::RunFieldCommand(QStringList{"stakewell"} + command, out, err), 1)
            << command.front().toStdString();
        EXPECT_EQ(out.str(), "") << command.front().toStdString();
        EXPECT_EQ(err.str(), expected) << command.front().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedFile, testing::ValuesIn(DamagedKinds),
                         [](const auto& info) { return CaseName(info.index, {info.param.name}); });

} // namespace
