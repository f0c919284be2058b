#include "CaseName.h"

#include "about/SysInfo.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace {

using stakewell::about::EmptyRegistryValue;
using stakewell::about::GetKeyValue;
using stakewell::about::RegistryValue;

constexpr std::uint32_t Text = stakewell::about::StringValueType;
constexpr std::uint32_t Number = stakewell::about::NumberValueType;
constexpr std::uint32_t Binary = 3;

const QString PathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

QByteArray Bytes(std::initializer_list<unsigned char> bytes) {
    QByteArray data;
    for (const unsigned char byte : bytes) {
        data.append(static_cast<char>(byte));
    }
    return data;
}

// Values under keys of the local machine, and every read asked of it.
class FakeRegistry : public stakewell::about::Registry {
public:
    void Set(const QString& key, const QString& name, RegistryValue value) {
        values[{key, name}] = std::move(value);
    }

    std::optional<RegistryValue> ReadValue(std::uint32_t KeyRoot, const QString& KeyName,
                                           std::uint32_t AccessMask, const QString& SubKeyRef,
                                           int BufferSize) override {
        EXPECT_EQ(KeyRoot, 0x80000002U);
        EXPECT_EQ(AccessMask, 0x2003FU);
        EXPECT_EQ(BufferSize, 1024);
        reads.push_back(SubKeyRef);
        const auto found = values.find({KeyName, SubKeyRef});
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    QStringList reads;

private:
    std::map<std::pair<QString, QString>, RegistryValue> values;
};

struct KeyValueCase {
    const char* name;
    std::optional<RegistryValue> stored;
    QString before;
    bool read;
    QString after;
};

class KeyValue : public testing::TestWithParam<KeyValueCase> {};

TEST_P(KeyValue, ReadsTheValueAsTheLauncherExpects) {
    const KeyValueCase& row = GetParam();
    FakeRegistry registry;
    if (row.stored) {
        registry.Set(PathKey, QStringLiteral("PATH"), *row.stored);
    }
    QString KeyVal = row.before;
    EXPECT_EQ(GetKeyValue(registry, 0x80000002, PathKey, QStringLiteral("PATH"), KeyVal), row.read);
    EXPECT_EQ(KeyVal, row.after);
}

const QByteArray FullBuffer(1024, 'a');
const QByteArray OverFullBuffer(1025, 'a');

INSTANTIATE_TEST_SUITE_P(
    Registry, KeyValue,
    testing::Values(
        KeyValueCase{"TextEndingInZero", RegistryValue{Text, QByteArray("C:\\x\\m.exe", 11)}, "",
                     true, "C:\\x\\m.exe"},
        KeyValueCase{"TextWithoutEndingZero", RegistryValue{Text, "abc"}, "", true, "abc"},
        KeyValueCase{"TextOfOneZeroByte", RegistryValue{Text, QByteArray(1, '\0')}, "", true, ""},
        KeyValueCase{"TextReplacesWhatWasThere", RegistryValue{Text, "abc"}, "old", true, "abc"},
        KeyValueCase{"TextFillingTheBuffer", RegistryValue{Text, FullBuffer}, "", true,
                     QString::fromLatin1(FullBuffer)},
        KeyValueCase{"TextLargerThanTheBuffer", RegistryValue{Text, OverFullBuffer}, "old", false,
                     ""},
        KeyValueCase{"NumberLastByteFirst", RegistryValue{Number, Bytes({0x78, 0x56, 0x34, 0x12})},
                     "", true, "&h12345678"},
        KeyValueCase{"NumberDigitsWithoutLeadingZeros",
                     RegistryValue{Number, Bytes({0x0C, 0x00, 0x0B, 0x0A})}, "", true, "&hAB0C"},
        KeyValueCase{"NumberLosesAnEndingZeroByte",
                     RegistryValue{Number, Bytes({0x02, 0x01, 0x00, 0x00})}, "", true, "&h012"},
        KeyValueCase{"NumberAppendsToWhatWasThere",
                     RegistryValue{Number, Bytes({0x0A, 0x00, 0x00, 0x0B})}, "7", true, "&h7B00A"},
        KeyValueCase{"OtherTypeLeavesWhatWasThere", RegistryValue{Binary, "xyz"}, "kept", true,
                     "kept"},
        KeyValueCase{"NoSuchValueEmptiesIt", std::nullopt, "old", false, ""}),
    [](const testing::TestParamInfo<KeyValueCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(KeyValue, NoSuchKeyFailsAndAValueWithoutDataIsAFault) {
    FakeRegistry registry;
    QString KeyVal = QStringLiteral("old");
    EXPECT_FALSE(GetKeyValue(registry, 0x80000002, LocationKey, QStringLiteral("PATH"), KeyVal));
    EXPECT_EQ(KeyVal, "");
    registry.Set(PathKey, QStringLiteral("PATH"), RegistryValue{Text, {}});
    EXPECT_THROW(GetKeyValue(registry, 0x80000002, PathKey, QStringLiteral("PATH"), KeyVal),
                 EmptyRegistryValue);
}

struct LaunchCase {
    const char* name;
    std::optional<RegistryValue> path;
    std::optional<RegistryValue> location;
    std::set<QString> files;
    std::set<QString> startable;
    QStringList attempted;
    bool started;
};

class RegisteredViewer : public testing::TestWithParam<LaunchCase> {};

TEST_P(RegisteredViewer, StartsWhatTheRegistryNamesOrReportsFailure) {
    const LaunchCase& row = GetParam();
    FakeRegistry registry;
    if (row.path) {
        registry.Set(PathKey, QStringLiteral("PATH"), *row.path);
    }
    if (row.location) {
        registry.Set(LocationKey, QStringLiteral("MSINFO"), *row.location);
    }
    QStringList attempted;
    stakewell::about::LaunchServices services{
        registry, [&row](const QString& file) { return row.files.count(file) == 1; },
        [&](const QString& program) {
            attempted.append(program);
            return row.startable.count(program) == 1;
        }};
    EXPECT_EQ(stakewell::about::StartRegisteredViewer(services), row.started);
    EXPECT_EQ(attempted, row.attempted);
    // The folder is looked up only when there is no path at all.
    EXPECT_EQ(registry.reads.contains(QStringLiteral("MSINFO")), !row.path.has_value());
}

const RegistryValue ToolsPath{Text, QByteArray("C:\\Tools\\msinfo32.exe", 22)};
const RegistryValue ToolsFolder{Text, QByteArray("C:\\Tools", 9)};
const QString ToolsProgram = QStringLiteral("C:\\Tools\\msinfo32.exe");
const QString FolderProgram = QStringLiteral("C:\\Tools\\MSINFO32.EXE");

INSTANTIATE_TEST_SUITE_P(
    Registry, RegisteredViewer,
    testing::Values(
        LaunchCase{"NeitherValue", {}, {}, {}, {}, {}, false},
        LaunchCase{"PathStarted", ToolsPath, {}, {}, {ToolsProgram}, {ToolsProgram}, true},
        // The folder is not tried once the path was read, even if it would work.
        LaunchCase{"PathNamingNoFile",
                   ToolsPath,
                   ToolsFolder,
                   {FolderProgram},
                   {FolderProgram},
                   {ToolsProgram},
                   false},
        LaunchCase{"FolderHoldingTheViewer",
                   {},
                   ToolsFolder,
                   {FolderProgram},
                   {FolderProgram},
                   {FolderProgram},
                   true},
        LaunchCase{"FolderWithoutTheViewer", {}, ToolsFolder, {}, {FolderProgram}, {}, false},
        LaunchCase{"FolderViewerThatWillNotStart",
                   {},
                   ToolsFolder,
                   {FolderProgram},
                   {},
                   {FolderProgram},
                   false},
        LaunchCase{"PathWithoutData",
                   RegistryValue{Text, {}},
                   ToolsFolder,
                   {FolderProgram},
                   {FolderProgram},
                   {},
                   false},
        LaunchCase{"FolderWithoutData", {}, RegistryValue{Text, {}}, {}, {}, {}, false},
        LaunchCase{"PathAsNumber",
                   RegistryValue{Number, Bytes({1, 2, 3, 4})},
                   {},
                   {},
                   {},
                   {"&h4321"},
                   false}),
    [](const testing::TestParamInfo<LaunchCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
