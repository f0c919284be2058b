#include "files/XmlValueStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

QString Written(const QTemporaryDir& folder, const QByteArray& bytes) {
    QString name = folder.filePath(QStringLiteral("data.xml"));
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return name;
}

struct TextCase {
    const char* name;
    QString text;
};

class StoredText : public testing::TestWithParam<TextCase> {};

// Every text a field can hold comes back unchanged, under paths whose parts
// could not be XML element names.
TEST_P(StoredText, ComesBackUnchanged) {
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("data.xml"));
    const QStringList paths{QStringLiteral("Data/Stakewell/4Pt/E2"),
                            QStringLiteral("Data/Stakewell/FOP/Ohms-0"),
                            QStringLiteral("Data/Stakewell/Earth_Restivity")};
    stakewell::files::XmlValueStore out;
    out.FileName(fileName);
    for (const QString& path : paths) {
        out.SetValue(path, path + GetParam().text);
    }
    ASSERT_EQ(out.Write(), std::nullopt);

    stakewell::files::XmlValueStore in;
    in.FileName(fileName);
    ASSERT_EQ(in.Read(), std::nullopt);
    for (const QString& path : paths) {
        EXPECT_EQ(in.GetValue(path).toStdU16String(), (path + GetParam().text).toStdU16String());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredText,
    testing::Values(TextCase{"Empty", QString()},
                    TextCase{"Metacharacters", QStringLiteral("\"'<&>]]>&amp;")},
                    TextCase{"BlanksAtBothEnds", QStringLiteral("  12  \t")},
                    TextCase{"LineBreaks", QStringLiteral("a\nb\r\nc\rd")},
                    TextCase{"NonAscii", QStringLiteral("Ω·m 100 – ünïcödé 😀")},
                    TextCase{"ControlCharacters", QStringLiteral("a\x01") + QChar(0x1F)},
                    TextCase{"UnpairedSurrogate", QStringLiteral("x") + QChar(0xD800)}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

struct BadFile {
    const char* name;
    QByteArray bytes;
    const char* reasonContains;
};

class UnreadableFile : public testing::TestWithParam<BadFile> {};

TEST_P(UnreadableFile, IsRefusedWithAReasonAndYieldsNothing) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(Written(folder, GetParam().bytes));
    const std::optional<QString> problem = store.Read();
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QLatin1String(GetParam().reasonContains)))
        << problem->toStdString();
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Stakewell/frmMain/Top")), QString());
}

const QByteArray Good = "<?xml version=\"1.0\"?><stakewell-data><group name=\"Data\">"
                        "<group name=\"Stakewell\"><group name=\"frmMain\">"
                        "<value name=\"Top\">15</value><value name=\"Left\">30</value>"
                        "</group></group></group></stakewell-data>";

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFile,
    testing::Values(
        BadFile{"Truncated", Good.left(Good.size() - 30), "line 1, column"},
        BadFile{"NotXml", "Top=15\nLeft=30\n", "line 1, column"}, BadFile{"Empty", "", "line"},
        BadFile{"AnotherXmlDocument", "<html><body/></html>", "not a Stakewell data file"},
        BadFile{"EntityBomb",
                "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\">"
                "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]><stakewell-data>"
                "<value name=\"Top\">&e;</value></stakewell-data>",
                "declares entities"},
        BadFile{"FlatEntityBomb",
                "<!DOCTYPE s [<!ENTITY e \"" + QByteArray(4000, 'a') + "\">]><stakewell-data>" +
                    "<value name=\"Top\">" + QByteArray("&e;").repeated(100000) +
                    "</value></stakewell-data>",
                "declares entities"},
        BadFile{"DeeplyNestedLongNames",
                QByteArray("<stakewell-data>") +
                    QByteArray("<group name=\"" + QByteArray(60000, 'g') + "\">").repeated(200) +
                    QByteArray("<value name=\"v\"/>").repeated(20000) +
                    QByteArray("</group>").repeated(200) + "</stakewell-data>",
                "nest deeper"},
        BadFile{"ExternalEntity",
                "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY x SYSTEM \"/etc/hostname\">]>"
                "<stakewell-data><value name=\"Top\">&x;</value>"
                "</stakewell-data>",
                "declares entities"},
        BadFile{"DocumentTypeWithoutEntities", "<!DOCTYPE stakewell-data><stakewell-data/>",
                "declares a document type"},
        BadFile{"UndeclaredEntity",
                "<stakewell-data><value name=\"Top\">&e;</value></stakewell-data>",
                "line 1, column"},
        BadFile{"UndeclaredEntityInAName",
                "<stakewell-data><value name=\"&e;\">1</value></stakewell-data>", "a name"},
        BadFile{"LessThanInAName", "<stakewell-data><value name=\"a<b\">1</value></stakewell-data>",
                "a name"},
        BadFile{"TextOutsideTheRoot", "15<stakewell-data/>", "outside its root"},
        BadFile{"SecondRoot", "<stakewell-data/>\n<stakewell-data/>", "more than one root"},
        BadFile{"ElementInAValueOnALaterLine",
                "<stakewell-data>\n<group name=\"Data\">\n  <value name=\"Top\">1<b/></value>"
                "</group></stakewell-data>",
                "(line 3, column"},
        BadFile{"DeeplyNestedShortNames",
                QByteArray("<stakewell-data>") + QByteArray("<group name=\"g\">").repeated(200000) +
                    QByteArray("</group>").repeated(200000) + "</stakewell-data>",
                "nest deeper"},
        BadFile{"DamagedEncodedText",
                "<stakewell-data><value name=\"Top\" encoding=\"base64-utf16le\">!!!</value>"
                "</stakewell-data>",
                "damaged"},
        BadFile{"OverTheSizeLimit",
                Good.left(Good.size() - 17) +
                    QByteArray(stakewell::files::XmlValueStore::MaxFileBytes, ' ') +
                    "</stakewell-data>",
                "larger than"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(XmlValueStore, AMissingFileIsReported) {
    stakewell::files::XmlValueStore store;
    store.FileName(QStringLiteral("/nonexistent/folder/data.xml"));
    EXPECT_TRUE(store.Read().has_value());
}

// A file that cannot be replaced stays exactly as it was.
TEST(XmlValueStore, AFailedWriteLeavesTheOldFileWhole) {
    QTemporaryDir folder;
    const QString blocked = folder.filePath(QStringLiteral("occupied.xml"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/keep")));
    stakewell::files::XmlValueStore store;
    store.FileName(blocked);
    store.SetValue(QStringLiteral("Data/Stakewell/frmMain/Top"), QStringLiteral("15"));
    EXPECT_TRUE(store.Write().has_value());
    EXPECT_TRUE(QDir(blocked + QStringLiteral("/keep")).exists());

    store.FileName(folder.filePath(QStringLiteral("no-such-folder/data.xml")));
    EXPECT_TRUE(store.Write().has_value());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

const QByteArray Declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";

// Far more paths than the store first has room for: each keeps its first
// place and its last value, and a path never set reads empty.
TEST(XmlValueStore, ManyPathsKeepTheirPlacesAndLastValues) {
    constexpr int Count = 5000;
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(folder.filePath(QStringLiteral("data.xml")));
    for (int i = 0; i < Count; ++i) {
        store.SetValue(QStringLiteral("FOP/Ohms-%1").arg(i), QString::number(i));
    }
    store.SetValue(QStringLiteral("FOP/Ohms-7"), QStringLiteral("seven"));
    for (int i = 0; i < Count; ++i) {
        EXPECT_EQ(store.GetValue(QStringLiteral("FOP/Ohms-%1").arg(i)),
                  i == 7 ? QStringLiteral("seven") : QString::number(i));
    }
    EXPECT_EQ(store.GetValue(QStringLiteral("FOP/Ohms-%1").arg(Count)), QString());
    EXPECT_EQ(store.GetValue(QStringLiteral("FOP/Ohms-")), QString());
    ASSERT_EQ(store.Write(), std::nullopt);
    const QByteArray file = FileBytes(store.FileName());
    EXPECT_LT(file.indexOf("\"Ohms-6\">6<"), file.indexOf("\"Ohms-7\">seven<"));
    EXPECT_LT(file.indexOf("\"Ohms-7\">seven<"), file.indexOf("\"Ohms-8\">8<"));

    stakewell::files::XmlValueStore read;
    read.FileName(store.FileName());
    ASSERT_EQ(read.Read(), std::nullopt);
    EXPECT_EQ(read.GetValue(QStringLiteral("FOP/Ohms-7")), QStringLiteral("seven"));
    EXPECT_EQ(read.GetValue(QStringLiteral("FOP/Ohms-4999")), QStringLiteral("4999"));
}

// A path repeated in a file keeps its first place and takes its last value.
TEST(XmlValueStore, ARepeatedPathTakesItsLastValue) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(Written(folder, Declaration + "\n<stakewell-data>\n"
                                                 " <value name=\"a\">1</value>\n"
                                                 " <value name=\"b\">2</value>\n"
                                                 " <value name=\"a\">3</value>\n"
                                                 "</stakewell-data>\n"));
    ASSERT_EQ(store.Read(), std::nullopt);
    EXPECT_EQ(store.GetValue(QStringLiteral("a")), QStringLiteral("3"));
    ASSERT_EQ(store.Write(), std::nullopt);
    const QByteArray expected = Declaration + "\n<stakewell-data>\n"
                                              " <value name=\"a\">3</value>\n"
                                              " <value name=\"b\">2</value>\n"
                                              "</stakewell-data>\n";
    EXPECT_EQ(FileBytes(store.FileName()).toStdString(), expected.toStdString());
}

struct LayoutCase {
    const char* name;
    std::vector<std::pair<QString, QString>> values;
    QByteArray file;
};

class WrittenFile : public testing::TestWithParam<LayoutCase> {};

// Files keep the layout earlier versions gave them: one-space indents, runs
// of a group nested as before, and texts escaped or encoded as XML needs.
TEST_P(WrittenFile, KeepsItsLayout) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(folder.filePath(QStringLiteral("data.xml")));
    for (const auto& [path, value] : GetParam().values) {
        store.SetValue(path, value);
    }
    ASSERT_EQ(store.Write(), std::nullopt);
    EXPECT_EQ(FileBytes(store.FileName()).toStdString(), GetParam().file.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WrittenFile,
    testing::Values(
        LayoutCase{"Empty",
                   {},
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<stakewell-data></stakewell-data>\n"},
        LayoutCase{"GroupsInRuns",
                   {{"Data/Stakewell/frmMain/Top", "1230"},
                    {"Data/Stakewell/FOP/Ohms-0", "0"},
                    {"Data/Stakewell/FOP/Feet-0", ""},
                    {"Data/Stakewell/Earth_Restivity", "100"},
                    {"Data/Stakewell/FOP/Ohms-1", "2.5"},
                    {"Top", "t"},
                    {"Data/Stakewell/frmMain/Top", "15"}},
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<stakewell-data>\n"
                   " <group name=\"Data\">\n"
                   "  <group name=\"Stakewell\">\n"
                   "   <group name=\"frmMain\">\n"
                   "    <value name=\"Top\">15</value>\n"
                   "   </group>\n"
                   "   <group name=\"FOP\">\n"
                   "    <value name=\"Ohms-0\">0</value>\n"
                   "    <value name=\"Feet-0\"></value>\n"
                   "   </group>\n"
                   "   <value name=\"Earth_Restivity\">100</value>\n"
                   "   <group name=\"FOP\">\n"
                   "    <value name=\"Ohms-1\">2.5</value>\n"
                   "   </group>\n"
                   "  </group>\n"
                   " </group>\n"
                   " <value name=\"Top\">t</value>\n"
                   "</stakewell-data>\n"},
        LayoutCase{"EmptyParts",
                   {{"a/", "empty name"},
                    {"/b", "empty group"},
                    {"c//d", "empty inner group"},
                    {"", "empty path"}},
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<stakewell-data>\n"
                   " <group name=\"a\">\n"
                   "  <value name=\"\">empty name</value>\n"
                   " </group>\n"
                   " <group name=\"\">\n"
                   "  <value name=\"b\">empty group</value>\n"
                   " </group>\n"
                   " <group name=\"c\">\n"
                   "  <group name=\"\">\n"
                   "   <value name=\"d\">empty inner group</value>\n"
                   "  </group>\n"
                   " </group>\n"
                   " <value name=\"\">empty path</value>\n"
                   "</stakewell-data>\n"},
        LayoutCase{
            "EscapedAndEncodedTexts",
            {{QStringLiteral("Data/tab\there/line\nbreak"), QStringLiteral("a\tb\nc")},
             {QStringLiteral("Data/cr\rhere"), QStringLiteral("\"'<&>]]>&amp;")},
             {QStringLiteral("Data/\"&<>'"), QStringLiteral("Ω·m 😀")},
             {QStringLiteral("Data/Ω😀"), QStringLiteral("a\r\nb")},
             {QStringLiteral("Data/controls"), QStringLiteral("a\x01") + QChar(0x1F)},
             {QStringLiteral("Data/surrogate"), QStringLiteral("x") + QChar(0xD800)}},
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<stakewell-data>\n"
            " <group name=\"Data\">\n"
            "  <group name=\"tab&#09;here\">\n"
            "   <value name=\"line&#10;break\">a\tb\n"
            "c</value>\n"
            "  </group>\n"
            "  <value name=\"cr&#13;here\">\"'&lt;&amp;&gt;]]&gt;&amp;amp;</value>\n"
            "  <value name=\"&quot;&amp;&lt;>'\">\xCE\xA9\xC2\xB7m \xF0\x9F\x98\x80</value>\n"
            "  <value name=\"\xCE\xA9\xF0\x9F\x98\x80\" "
            "encoding=\"base64-utf16le\">YQANAAoAYgA=</value>\n"
            "  <value name=\"controls\" encoding=\"base64-utf16le\">YQABAB8A</value>\n"
            "  <value name=\"surrogate\" encoding=\"base64-utf16le\">eAAA2A==</value>\n"
            " </group>\n"
            "</stakewell-data>\n"}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

struct NameCase {
    const char* name;
    QString path;
};

class UncarriedName : public testing::TestWithParam<NameCase> {};

// A name XML cannot carry fails the write, as a text would if it were not
// encoded, and leaves no file behind.
TEST_P(UncarriedName, IsNotWritten) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(folder.filePath(QStringLiteral("data.xml")));
    store.SetValue(GetParam().path, QStringLiteral("15"));
    EXPECT_TRUE(store.Write().has_value());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Names, UncarriedName,
    testing::Values(NameCase{"ControlCharacter", QStringLiteral("Data/bell\x07/Top")},
                    NameCase{"UnpairedSurrogate", QStringLiteral("Data/") + QChar(0xDC00)},
                    NameCase{"Noncharacter", QStringLiteral("Data/") + QChar(0xFFFE)}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

struct ValueForm {
    const char* name;
    // How the value element reads in the file after its name.
    QByteArray element;
    // Nothing where the file is refused.
    std::optional<QString> value;
};

class ValueInAFile : public testing::TestWithParam<ValueForm> {};

QByteArray FileWithValue(const QByteArray& afterDeclaration, const QByteArray& element) {
    return Declaration + afterDeclaration +
           "\n"
           "<stakewell-data>\n"
           " <group name=\"Data\">\n"
           "  <value name=\"Top\"" +
           element +
           "\n"
           " </group>\n"
           "</stakewell-data>\n";
}

std::string Outcome(const std::optional<QString>& problem) {
    return problem ? problem->toStdString() : std::string("read");
}

// A file laid out as the program writes it reads exactly as the same file
// with a comment after its declaration, which only a full XML reader takes;
// a file either refuses gives the same reason at the same place.
TEST_P(ValueInAFile, ReadsAsAnyXmlReaderReadsIt) {
    QTemporaryDir written;
    QTemporaryDir commented;
    stakewell::files::XmlValueStore plain;
    plain.FileName(Written(written, FileWithValue("", GetParam().element)));
    stakewell::files::XmlValueStore general;
    general.FileName(Written(commented, FileWithValue("<!-- -->", GetParam().element)));
    const std::string outcome = Outcome(plain.Read());
    EXPECT_EQ(outcome, Outcome(general.Read()));
    const QString path = QStringLiteral("Data/Top");
    EXPECT_EQ(plain.GetValue(path).toStdU16String(), general.GetValue(path).toStdU16String());
    if (GetParam().value) {
        EXPECT_EQ(outcome, "read");
        EXPECT_EQ(plain.GetValue(path).toStdU16String(), GetParam().value->toStdU16String());
    } else {
        EXPECT_NE(outcome, "read");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ValueInAFile,
    testing::Values(
        ValueForm{"Number", ">12.5</value>", QStringLiteral("12.5")},
        ValueForm{"Empty", "></value>", QString()}, ValueForm{"EmptyElement", "/>", QString()},
        ValueForm{"WriterEscapes", ">&lt;&amp;&gt;&quot;'</value>", QStringLiteral("<&>\"'")},
        ValueForm{"OtherEntity", ">&apos;</value>", QStringLiteral("'")},
        ValueForm{"CharacterReferences", ">&#65;&#x42;</value>", QStringLiteral("AB")},
        ValueForm{"TabAndLineFeed", ">a\tb\nc</value>", QStringLiteral("a\tb\nc")},
        ValueForm{"CarriageReturns", ">a\r\nb\rc</value>", QStringLiteral("a\nb\nc")},
        ValueForm{"RawQuoteAndGreaterThan", ">a\"b>c</value>", QStringLiteral("a\"b>c")},
        ValueForm{"NonAscii", ">\xCE\xA9\xC2\xB7m \xF0\x9F\x98\x80</value>",
                  QStringLiteral("Ω·m 😀")},
        ValueForm{"ByteOrderMarkInside", ">\xEF\xBB\xBFx</value>",
                  QChar(0xFEFF) + QStringLiteral("x")},
        ValueForm{"Delete", ">\x7F</value>", QString(QChar(0x7F))},
        ValueForm{"CData", "><![CDATA[<a&b>]]></value>", QStringLiteral("<a&b>")},
        ValueForm{"Comment", ">1<!-- two -->3</value>", QStringLiteral("13")},
        ValueForm{"Encoded", " encoding=\"base64-utf16le\">YQANAAoAYgA=</value>",
                  QStringLiteral("a\r\nb")},
        ValueForm{"EncodedEmpty", " encoding=\"base64-utf16le\"></value>", QString()},
        ValueForm{"DamagedEncoding", " encoding=\"base64-utf16le\">YQA!</value>", std::nullopt},
        ValueForm{"OddEncodedLength", " encoding=\"base64-utf16le\">YQAN</value>", std::nullopt},
        ValueForm{"UnknownEncoding", " encoding=\"rot13\">n</value>", std::nullopt},
        ValueForm{"SingleQuotes", " encoding='base64-utf16le'>YQA=</value>", QStringLiteral("a")},
        ValueForm{"ControlCharacter", ">\x01</value>", std::nullopt},
        ValueForm{"NotUtf8", ">\xC0\xAF</value>", std::nullopt},
        ValueForm{"EncodedSurrogate", ">\xED\xA0\x80</value>", std::nullopt},
        ValueForm{"Noncharacter", ">\xEF\xBF\xBE</value>", std::nullopt},
        ValueForm{"BareAmpersand", ">a & b</value>", std::nullopt},
        ValueForm{"NestedElement", "><b/></value>", std::nullopt},
        ValueForm{"Unclosed", ">12.5</valu>", std::nullopt}),
    [](const testing::TestParamInfo<ValueForm>& info) { return std::string(info.param.name); });

struct NameForm {
    const char* name;
    QByteArray attribute;
    QString path;
};

class NameInAFile : public testing::TestWithParam<NameForm> {};

// Names read as any XML reader reads them, whatever escapes they hold.
TEST_P(NameInAFile, ReadsAsAnyXmlReaderReadsIt) {
    const QByteArray element = "<value name=\"" + GetParam().attribute + "\">1</value>";
    const QByteArray file = Declaration +
                            "\n<stakewell-data>\n"
                            " <group name=\"" +
                            GetParam().attribute + "\">\n  " + element +
                            "\n </group>\n</stakewell-data>\n";
    QTemporaryDir written;
    QTemporaryDir commented;
    stakewell::files::XmlValueStore plain;
    plain.FileName(Written(written, file));
    stakewell::files::XmlValueStore general;
    general.FileName(Written(commented, QByteArray(file).insert(file.indexOf('\n'), "<!---->")));
    ASSERT_EQ(plain.Read(), std::nullopt);
    ASSERT_EQ(general.Read(), std::nullopt);
    EXPECT_EQ(plain.GetValue(GetParam().path), QStringLiteral("1"));
    EXPECT_EQ(general.GetValue(GetParam().path), QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NameInAFile,
    testing::Values(NameForm{"Plain", "Ohms-0", QStringLiteral("Ohms-0/Ohms-0")},
                    NameForm{"WriterEscapes", "&quot;&amp;&lt;&gt;&#9;&#10;&#13;",
                             QStringLiteral("\"&<>\t\n\r/\"&<>\t\n\r")},
                    NameForm{"RawBlanks", "a\tb\nc", QStringLiteral("a b c/a b c")},
                    NameForm{"OtherReferences", "&apos;&#65;", QStringLiteral("'A/'A")},
                    NameForm{"NonAscii", "\xCE\xA9", QStringLiteral("Ω/Ω")},
                    NameForm{"Empty", "", QStringLiteral("/")}),
    [](const testing::TestParamInfo<NameForm>& info) { return std::string(info.param.name); });

struct LayoutForm {
    const char* name;
    QByteArray file;
    const char* value;
};

class LaidOutFile : public testing::TestWithParam<LayoutForm> {};

// A file laid out otherwise than the program writes it, as an editor or
// another program may leave it, reads as its XML says.
TEST_P(LaidOutFile, ReadsAsItsXmlSays) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(Written(folder, GetParam().file));
    ASSERT_EQ(Outcome(store.Read()), "read");
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Top")).toStdU16String(),
              QString::fromUtf8(GetParam().value).toStdU16String());
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Left")), QStringLiteral("30"));
}

const QByteArray Left = "<value name=\"Left\">30</value>";

INSTANTIATE_TEST_SUITE_P(
    Layouts, LaidOutFile,
    testing::Values(
        LayoutForm{"AttributesInAnotherOrder",
                   "<stakewell-data><group name=\"Data\"><value encoding=\"base64-utf16le\" "
                   "name=\"Top\">YQA=</value>" +
                       Left + "</group></stakewell-data>",
                   "a"},
        LayoutForm{"BlanksInsideTags",
                   "<stakewell-data >\n\n\t<group\n name = 'Data' >  <value   name=\"Top\" "
                   ">15</value  >" +
                       Left + "</group\n></stakewell-data >\n\n",
                   "15"},
        LayoutForm{"CommentsAndInstructions",
                   "<?xml version=\"1.0\"?><?editor keep?><!-- saved --><stakewell-data>"
                   "<!-- a --><group name=\"Data\"><?note x?><value name=\"Top\">1<?x?>5"
                   "</value><!-- b -->" +
                       Left + "</group></stakewell-data><!-- end -->",
                   "15"},
        LayoutForm{"CDataBetweenBlanks",
                   "<stakewell-data><group name=\"Data\"><value name=\"Top\"> "
                   "<![CDATA[ <1> ]]>\t</value>" +
                       Left + "</group></stakewell-data>",
                   "  <1> \t"},
        LayoutForm{"EmptyAndRepeatedGroups",
                   "<stakewell-data><group name=\"Data\"/><group name=\"Data\"></group>"
                   "<group name=\"Data\"><value name=\"Top\">7</value></group>"
                   "<group name=\"Data\">" +
                       Left + "</group></stakewell-data>",
                   "7"},
        LayoutForm{"UnknownElementsPassedOver",
                   "<stakewell-data><group name=\"Data\"><notes><value name=\"Top\">9</value>"
                   "</notes><value name=\"Top\">8</value>" +
                       Left + "</group></stakewell-data>",
                   "8"},
        LayoutForm{"ByteOrderMark",
                   "\xEF\xBB\xBF<stakewell-data><group name=\"Data\"><value name=\"Top\">"
                   "\xCE\xA9</value>" +
                       Left + "</group></stakewell-data>",
                   "Ω"},
        LayoutForm{"Latin1",
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><stakewell-data>"
                   "<group name=\"Data\"><value name=\"Top\">\xD6</value>" +
                       Left + "</group></stakewell-data>",
                   "Ö"}),
    [](const testing::TestParamInfo<LayoutForm>& info) { return std::string(info.param.name); });

// A file saved as UTF-16 by an editor reads as the same file in UTF-8.
TEST(XmlValueStore, AFileInUtf16Reads) {
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
                                        "<stakewell-data><group name=\"Data\">"
                                        "<value name=\"Top\">Ω 15</value></group>"
                                        "</stakewell-data>");
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(Written(
        folder, QByteArray("\xFF\xFE") +
                    QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)));
    ASSERT_EQ(Outcome(store.Read()), "read");
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Top")), QStringLiteral("Ω 15"));
}

} // namespace
