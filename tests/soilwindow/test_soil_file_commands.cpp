// The soil readings out to a CSV file and back, through Qt's own dialogs.
#include "SoilWindowTest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "mainwindow/ModalAnswerer.h"

#include <gtest/gtest.h>

namespace {

TEST_F(SoilWindowTest, ExportedReadingsImportBackAsTheyWere) {
    TypeReadings(TwoLayerTraverse());
    TypeCell(3, 2, "0.5");
    const auto survey = form.Window().Work().Soil();
    QTemporaryDir folder;
    const QString fileName = folder.filePath("traverse.csv");
    {
        ModalAnswerer answerer(ModalAnswerer::Choose(fileName));
        form.Click("cmdExportCsv");
        EXPECT_TRUE(answerer.Messages().isEmpty());
    }
    ASSERT_TRUE(QFile::exists(fileName));
    Activate();
    Table().selectAll();
    Table().setFocus();
    QTest::keyClick(&Table(), Qt::Key_Delete);
    ASSERT_EQ(Table().rowCount(), 0);
    {
        ModalAnswerer answerer(ModalAnswerer::Choose(fileName));
        form.Click("cmdImportCsv");
        EXPECT_TRUE(answerer.Messages().isEmpty());
    }
    EXPECT_EQ(form.Window().Work().Soil(), survey);
    EXPECT_EQ(Table().item(3, 2)->text(), "0.5");
}

TEST_F(SoilWindowTest, AFileThatIsNoSurveyChangesNothingAndIsNamed) {
    TypeReadings(TwoLayerTraverse());
    const auto survey = form.Window().Work().Soil();
    QTemporaryDir folder;
    const QString fileName = folder.filePath("notes.csv");
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a,R\n2,40\n4,twenty\n");
    file.close();
    ModalAnswerer answerer(ModalAnswerer::Choose(fileName));
    form.Click("cmdImportCsv");
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages()[0].contains("notes.csv"));
    EXPECT_TRUE(answerer.Messages()[0].contains("3"));
    EXPECT_EQ(form.Window().Work().Soil(), survey);
}

TEST_F(SoilWindowTest, RefusedReadingsAreNotExported) {
    TypeReadings(TwoLayerTraverse());
    TypeCell(1, 0, "x");
    QTemporaryDir folder;
    const QString fileName = folder.filePath("refused.csv");
    ModalAnswerer answerer(ModalAnswerer::Choose(fileName));
    form.Click("cmdExportCsv");
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages()[0].contains("Reading 2"));
    EXPECT_FALSE(QFile::exists(fileName));
}

TEST_F(SoilWindowTest, AFileThatCannotBeWrittenIsNamedWithTheReason) {
    TypeReadings(TwoLayerTraverse());
    QTemporaryDir folder;
    const QString fileName = folder.filePath("no-such-folder/traverse.csv");
    QString name = fileName;
    ModalAnswerer answerer;
    Window().ExportCsv(name);
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages()[0].contains("traverse.csv"));
    EXPECT_FALSE(QFile::exists(fileName));
}

} // namespace
