#include "files/RecoveryFile.h"
#include "files/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

using stakewell::files::RecoveryKeeper;
using stakewell::files::RecoverySnapshot;

// The keeper's delay runs on an event loop.
class CoreApplication : public testing::Environment {
public:
    void SetUp() override { app = std::make_unique<QCoreApplication>(argc, argv.data()); }
    void TearDown() override { app.reset(); }

private:
    int argc = 1;
    char programName[16] = "test_files";
    std::array<char*, 2> argv{programName, nullptr};
    std::unique_ptr<QCoreApplication> app;
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new CoreApplication);

// Runs events until `done` holds or the time is up; whether it held.
bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void RunEventsFor(std::chrono::milliseconds time) {
    RunEventsUntil([] { return false; }, time);
}

// A window's work as the keeper sees it: the snapshots it was asked for are
// counted, and the work can be changed under it.
class KeptWork : public testing::Test {
protected:
    KeptWork() {
        work.Work.FieldTexts[0] = QStringLiteral("100");
        work.Work.FOPPoints = {{}, {20.0, 10.0}};
    }

    std::unique_ptr<RecoveryKeeper> MakeKeeper() {
        return std::make_unique<RecoveryKeeper>(fileName, [this] {
            ++snapshots;
            return work;
        });
    }

    stakewell::files::RecoveredWork Kept() const {
        const stakewell::files::RecoveryFileRead read =
            stakewell::files::ReadRecoveryFile(fileName);
        EXPECT_TRUE(read.Work) << read.Problem.toStdString();
        return read.Work.value_or(stakewell::files::RecoveredWork{});
    }

    bool Written() const { return QFileInfo::exists(fileName); }

    QTemporaryDir folder;
    QString fileName = folder.filePath(QStringLiteral("LastConfig.recovery.xml"));
    RecoverySnapshot work;
    int snapshots = 0;
};

constexpr std::chrono::milliseconds Promise{2000};

// Typing a burst asks for no copy of the work: one snapshot, after the delay,
// takes it all, and the file holds it within the two seconds promised.
TEST_F(KeptWork, ABurstOfChangesIsWrittenOnceWithinTwoSeconds) {
    const auto keeper = MakeKeeper();
    QElapsedTimer since;
    since.start();
    for (int key = 0; key < 1000; ++key) {
        keeper->WorkChanged();
    }
    EXPECT_EQ(snapshots, 0);
    ASSERT_TRUE(RunEventsUntil([this] { return Written(); }, Promise));
    EXPECT_LT(since.elapsed(), Promise.count());
    EXPECT_EQ(snapshots, 1);
    EXPECT_EQ(Kept().Content.FieldTexts, work.Work.FieldTexts);
    EXPECT_EQ(Kept().Content.FOPPoints, work.Work.FOPPoints);
}

// Changes that end where the last write left the work are not written again:
// the file and its time stay as they were.
TEST_F(KeptWork, WorkStoredAsItIsKeepsItsFileAndTime) {
    const auto keeper = MakeKeeper();
    keeper->WorkChanged();
    ASSERT_TRUE(RunEventsUntil([this] { return Written(); }, Promise));
    const QDateTime changedAt = Kept().ChangedAt;
    const QDateTime modified = QFileInfo(fileName).lastModified();
    keeper->WorkChanged();
    ASSERT_TRUE(RunEventsUntil([this] { return snapshots == 2; }, Promise));
    RunEventsFor(std::chrono::milliseconds(200));
    EXPECT_EQ(Kept().ChangedAt, changedAt);
    EXPECT_EQ(QFileInfo(fileName).lastModified(), modified);
}

TEST_F(KeptWork, WorkSavedAgainRemovesTheFileAfterTheDelay) {
    const auto keeper = MakeKeeper();
    keeper->WorkChanged();
    ASSERT_TRUE(RunEventsUntil([this] { return Written(); }, Promise));
    keeper->WorkSaved();
    EXPECT_TRUE(Written());
    EXPECT_TRUE(RunEventsUntil([this] { return !Written(); }, Promise));
    // A change after the removal is written again, though it was written before.
    keeper->WorkChanged();
    EXPECT_TRUE(RunEventsUntil([this] { return Written(); }, Promise));
}

// Remove waits for a write already on its way, so that no write lands after
// the file is gone; no write comes of a change still in its delay.
TEST_F(KeptWork, RemoveLeavesNoFileWhateverWasUnderWay) {
    const auto keeper = MakeKeeper();
    keeper->WorkChanged();
    ASSERT_TRUE(RunEventsUntil([this] { return snapshots == 1; }, Promise));
    keeper->Remove();
    EXPECT_FALSE(Written());

    keeper->WorkChanged();
    keeper->Remove();
    RunEventsFor(RecoveryKeeper::Delay + std::chrono::milliseconds(300));
    EXPECT_FALSE(Written());
    EXPECT_EQ(snapshots, 1);
}

// Only its owner knows whether the work was kept elsewhere.
TEST_F(KeptWork, AKeeperGoneWithoutRemoveLeavesTheWorkWritten) {
    {
        const auto keeper = MakeKeeper();
        keeper->WorkChanged();
        ASSERT_TRUE(RunEventsUntil([this] { return snapshots == 1; }, Promise));
    }
    ASSERT_TRUE(Written());
    EXPECT_EQ(Kept().Content.FOPPoints, work.Work.FOPPoints);
}

} // namespace
