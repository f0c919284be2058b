#include "files/XmlValueStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>

namespace {

// The first element of an XML file.
std::string RootOf(QIODevice& device) {
    QXmlStreamReader reader(&device);
    reader.readNextStartElement();
    return reader.name().toString().toStdString();
}

// The desktop tells a Stakewell data file from other XML by its root element:
// the package's rule names the element every data file the store writes
// begins with, and its magic looks for the same.
TEST(MimeType, ThePackagesRuleNamesTheRootElementOfADataFile) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    const QString data = folder.filePath(QStringLiteral("site.xml"));
    store.FileName(data);
    store.SetValue(QStringLiteral("Data/Stakewell/Earth_Restivity"), QStringLiteral("100"));
    ASSERT_FALSE(store.Write());
    QFile written(data);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const std::string root = RootOf(written);

    QFile package(QStringLiteral(STAKEWELL_MIME_PACKAGE));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    QXmlStreamReader rules(&package);
    std::string type;
    std::string rootRule;
    std::string magic;
    while (!rules.atEnd()) {
        if (rules.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (rules.name() == u"mime-type") {
            type = rules.attributes().value(QStringLiteral("type")).toString().toStdString();
        } else if (rules.name() == u"root-XML") {
            rootRule =
                rules.attributes().value(QStringLiteral("localName")).toString().toStdString();
        } else if (rules.name() == u"match") {
            magic = rules.attributes().value(QStringLiteral("value")).toString().toStdString();
        }
    }
    ASSERT_FALSE(rules.hasError()) << rules.errorString().toStdString();
    EXPECT_EQ(type, "application/x-stakewell+xml");
    EXPECT_EQ(rootRule, root);
    EXPECT_EQ(magic, "<" + root);
}

} // namespace
