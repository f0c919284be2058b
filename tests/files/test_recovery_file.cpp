#include "CaseName.h"

#include "files/DataFilePaths.h"
#include "files/RecoveryFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using stakewell::files::DataFileContent;
using stakewell::files::RecoveredWork;
using stakewell::files::XmlValueStore;

// The bytes a data file of the content holds: two contents alike in every
// item, an empty survey cell included, give the same bytes.
QByteArray DataFileBytes(const DataFileContent& content, const QString& fileName) {
    XmlValueStore store;
    store.FileName(fileName);
    stakewell::files::WriteDataFile(store, content);
    EXPECT_EQ(store.Write(), std::nullopt);
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

DataFileContent EveryItemFile() {
    const stakewell::files::CheckedDataFile file = stakewell::files::ReadCheckedDataFile(
        QStringLiteral(STAKEWELL_OLD_FILES "/every-item.xml"));
    EXPECT_TRUE(file.Content) << file.Problem.toStdString();
    return file.Content.value_or(DataFileContent{});
}

// Every item of a data file, an empty survey cell included, comes back so
// that the data file written from it is the same to the byte.
TEST(RecoveryContent, EveryItemComesBackExactly) {
    QTemporaryDir folder;
    const DataFileContent content = EveryItemFile();
    const QString fileName = folder.filePath(QStringLiteral("LastConfig.recovery.xml"));
    const RecoveredWork work{content, QStringLiteral("/sites/north.xml"),
                             QDateTime::currentDateTime()};
    ASSERT_EQ(stakewell::files::WriteRecoveryFile(fileName, work), std::nullopt);

    const stakewell::files::RecoveryFileRead read = stakewell::files::ReadRecoveryFile(fileName);
    ASSERT_TRUE(read.Work) << read.Problem.toStdString();
    EXPECT_EQ(DataFileBytes(read.Work->Content, folder.filePath(QStringLiteral("back.xml"))),
              DataFileBytes(content, folder.filePath(QStringLiteral("original.xml"))));
}

struct OwnItemsCase {
    const char* name;
    const char* workFile;
    int offsetSeconds;
};

class RecoveryOwnItems : public testing::TestWithParam<OwnItemsCase> {
protected:
    QTemporaryDir folder;
};

// The change is the same instant, told in the offset it was taken in.
TEST_P(RecoveryOwnItems, TheWorksFileAndTheTimeOfTheChangeComeBack) {
    const OwnItemsCase& row = GetParam();
    const QDateTime changedAt = QDateTime(QDate(2026, 12, 10), QTime(8, 12, 31, 250), Qt::UTC)
                                    .toOffsetFromUtc(row.offsetSeconds);
    const QString fileName = folder.filePath(QStringLiteral("LastConfig.recovery.xml"));
    const RecoveredWork work{DataFileContent{}, QString::fromUtf8(row.workFile), changedAt};
    ASSERT_EQ(stakewell::files::WriteRecoveryFile(fileName, work), std::nullopt);

    const stakewell::files::RecoveryFileRead read = stakewell::files::ReadRecoveryFile(fileName);
    ASSERT_TRUE(read.Work) << read.Problem.toStdString();
    EXPECT_EQ(read.Work->WorkFile, work.WorkFile);
    EXPECT_EQ(read.Work->ChangedAt, changedAt);
    EXPECT_EQ(read.Work->ChangedAt.offsetFromUtc(), row.offsetSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    OwnItems, RecoveryOwnItems,
    testing::Values(OwnItemsCase{"NeverSavedInUtc", "", 0},
                    OwnItemsCase{"SavedEastOfUtc", "/home/ана/site 1 & <2>.xml", 5 * 3600 + 1800},
                    OwnItemsCase{"SavedWestOfUtc", "C:\\Sites\\north.xml", -3 * 3600}),
    [](const testing::TestParamInfo<OwnItemsCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

struct UnreadableCase {
    const char* name;
    // Spoils a sound recovery file's values.
    std::function<void(XmlValueStore&)> spoil;
    const char* problem;
};

QString Item(const char* item) {
    return stakewell::files::paths::FullPath(item);
}

// Without the items of its own, or with a damaged item of a data file, the
// file is refused whole and the reason named; nothing of it is used.
class UnreadableRecovery : public testing::TestWithParam<UnreadableCase> {
protected:
    QTemporaryDir folder;
};

TEST_P(UnreadableRecovery, IsRefusedWithItsReason) {
    const UnreadableCase& row = GetParam();
    DataFileContent content;
    content.FOPPoints = {{}, {20.0, 10.0}, {40.0, 20.0}};
    XmlValueStore values = stakewell::files::RecoveryValues(content, QStringLiteral("site.xml"));
    values.SetValue(Item("/Recovery/ChangedAt"), QStringLiteral("2026-12-10T08:12:31+01:00"));
    row.spoil(values);
    values.FileName(folder.filePath(QStringLiteral("LastConfig.recovery.xml")));
    ASSERT_EQ(values.Write(), std::nullopt);

    const stakewell::files::RecoveryFileRead read =
        stakewell::files::ReadRecoveryFile(values.FileName());
    EXPECT_FALSE(read.Work);
    EXPECT_EQ(read.Problem, QString::fromUtf8(row.problem));
}

XmlValueStore DataFileOnly() {
    XmlValueStore plain;
    stakewell::files::WriteDataFile(plain, DataFileContent{});
    return plain;
}

INSTANTIATE_TEST_SUITE_P(
    Spoilt, UnreadableRecovery,
    testing::Values(
        UnreadableCase{"DamagedReading",
                       [](XmlValueStore& values) {
                           values.SetValue(Item("/FOP/Feet-2"), QStringLiteral("forty"));
                       },
                       "reading 2, distance \"forty\" is not a number"},
        UnreadableCase{"APlainDataFile", [](XmlValueStore& values) { values = DataFileOnly(); },
                       "it does not say which file the work belonged to"},
        UnreadableCase{"NoTime",
                       [](XmlValueStore& values) {
                           values = DataFileOnly();
                           values.SetValue(Item("/Recovery/WorkFile"), QString());
                       },
                       "it does not say when the work was last changed"},
        UnreadableCase{"TimeWithoutOffset",
                       [](XmlValueStore& values) {
                           values.SetValue(Item("/Recovery/ChangedAt"),
                                           QStringLiteral("2026-12-10T08:12:31"));
                       },
                       "the time of the last change \"2026-12-10T08:12:31\" is not a date and "
                       "time with its offset from UTC"}),
    [](const testing::TestParamInfo<UnreadableCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
