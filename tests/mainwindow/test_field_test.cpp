#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include "cli/FieldCommand.h"
#include "files/DataFile.h"
#include "files/XmlValueStore.h"
#include "graph/PlotPicture.h"
#include "graph/frmGraph.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace {

using stakewell::fop::FOPPoint;

stakewell::graph::frmGraph* GraphWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* graph = qobject_cast<stakewell::graph::frmGraph*>(top);
            graph != nullptr && !graph->IsClosed()) {
            return graph;
        }
    }
    return nullptr;
}

QByteArray ReadBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FieldTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        form.SelectTab(5);
        form.Type("tbxFOPE2", "100");
        AddPoint("20", "10");
        graph = GraphWindow();
        ASSERT_NE(graph, nullptr);
    }

    void AddPoint(const QString& feet, const QString& ohms) {
        form.Type("tbxFOPP2Feet", feet);
        form.Type("tbxFOPP2Ohms", ohms);
        form.Click(QStringLiteral("cmdFOPAdd"));
    }

    QString Panel() const { return graph->findChild<QLabel*>(QStringLiteral("Panel_3"))->text(); }
    QString File(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    MainWindowDriver form;
    stakewell::graph::frmGraph* graph = nullptr;
};

TEST_F(FieldTest, ReadOutAndMarkersFollowEveryChangeOfTheList) {
    EXPECT_EQ(Panel(), "R62 none");
    AddPoint("60", "24");
    EXPECT_EQ(Panel(), "R62 none; slope 21.957 Ohms at 54.2%") << Panel().toStdString();
    AddPoint("70", "26");
    EXPECT_EQ(Panel(), "R62 24.400 Ohms; slope 21.957 Ohms at 54.2%") << Panel().toStdString();
    AddPoint("80", "28");
    EXPECT_EQ(Panel(), "R62 24.400 Ohms, no plateau; slope 21.957 Ohms at 54.2%")
        << Panel().toStdString();
    EXPECT_TRUE(graph->findChild<QLabel*>(QStringLiteral("Panel_3"))
                    ->toolTip()
                    .contains("R at 62%: 24.400 Ohms (between 60.0 feet 24.000 Ohms and 70.0 "
                              "feet 26.000 Ohms)"));

    // The marker at 62% of E2 stands on the interpolated reading.
    const auto& value = graph->Analysis().At62;
    const auto& plot = form.Window().Plot().plot;
    const QSizeF size =
        graph->findChild<stakewell::graph::PlotPicture*>(QStringLiteral("FOPGraph"))->size();
    const QPointF at(
        (1000.0 * value.Distance - plot.PlotLeft) / (plot.PlotRight - plot.PlotLeft) * size.width(),
        (1000.0 * *value.Ohms - plot.PlotTop) / (plot.PlotBottom - plot.PlotTop) * size.height());
    EXPECT_TRUE(graph->MarkerTipAt(at + QPointF(2, 2)).startsWith("62% of E2, 62.0 feet: 24.400"))
        << graph->MarkerTipAt(at).toStdString();
    EXPECT_EQ(graph->MarkerTipAt(at + QPointF(30, 30)), "");

    form.Click(QStringLiteral("cmdFOPRemove"));
    EXPECT_EQ(Panel(), "R62 24.400 Ohms; slope 21.957 Ohms at 54.2%") << Panel().toStdString();
    form.Click(QStringLiteral("cmdFOPClear"));
    EXPECT_EQ(Panel(), "R62 none") << Panel().toStdString();
    EXPECT_EQ(graph->MarkerTipAt(at), "");
}

TEST_F(FieldTest, ImportedReadingsReplaceTheListAndOneUndoBringsItBack) {
    QFile csv(File("readings.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("Distance;Resistance\r\n70;26\r\n40;20\r\n60;24\r\n");
    csv.close();
    {
        ModalAnswerer answerer(ModalAnswerer::Choose(File("readings.csv")));
        QString name;
        graph->ImportReadings(name);
        EXPECT_TRUE(answerer.Messages().isEmpty()) << answerer.Messages().join(' ').toStdString();
    }
    EXPECT_EQ(form.Text("lbPoint"), "Point 3 of 3") << form.Text("lbPoint").toStdString();
    EXPECT_EQ(form.Window().Work().Fop().FOPPoints(),
              (std::vector<FOPPoint>{{}, {40, 20}, {60, 24}, {70, 26}}));

    QString exported = File("out.csv");
    graph->ExportReadings(exported);
    EXPECT_EQ(ReadBytes(exported), "Feet,Ohms\r\n40,20\r\n60,24\r\n70,26\r\n");

    QApplication::setActiveWindow(&form.Window());
    QTest::keyClick(&form.Window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 1 of 1");
}

TEST_F(FieldTest, ABadPastedLineIsNamedAndNothingIsTaken) {
    QApplication::clipboard()->setText(QStringLiteral("Feet\tOhms\n30\t8\n40\tx\n"));
    ModalAnswerer answerer;
    graph->PasteReadings();
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_EQ(answerer.Messages()[0],
              "No readings were taken from the pasted text:\nLine 3: \"40\tx\" is not a "
              "distance and a resistance.");
    EXPECT_EQ(form.Text("lbPoint"), "Point 1 of 1");
    QApplication::clipboard()->setText(QStringLiteral("30\t8\n40\t9,5\n"));
    graph->PasteReadings();
    EXPECT_EQ(form.Text("lbPoint"), "Point 2 of 2");
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "9.5");
}

TEST_F(FieldTest, GraphAndTestReportAreWrittenAsSvgPngAndPdf) {
    AddPoint("60", "24");
    AddPoint("70", "26");
    QString svg = File("graph.svg");
    graph->SaveGraph(svg);
    const QByteArray drawing = ReadBytes(svg);
    EXPECT_TRUE(drawing.contains("<svg")) << drawing.left(200).toStdString();
    EXPECT_GT(drawing.count("<path") + drawing.count("<polyline") + drawing.count("<line"), 10);

    QString png = File("graph.png");
    graph->SaveGraph(png);
    EXPECT_FALSE(QImage(png).isNull());

    QString pdf = File("report.pdf");
    graph->SaveReportPdf(pdf);
    const QByteArray page = ReadBytes(pdf);
    EXPECT_TRUE(page.startsWith("%PDF-"));
    EXPECT_GT(page.size(), 5000);
}

TEST_F(FieldTest, TheCommandLineReportIsTheWindowsReport) {
    AddPoint("60", "24");
    form.Type("tbxFOPE2", "50");
    AddPoint("30", "18");
    for (const auto& [field, text] :
         {std::pair{"tbxEarthRes", "100"}, std::pair{"tbxElectLen", "10"},
          std::pair{"tbxElectDia", "0.625"}, std::pair{"tbxNumElect", "4"},
          std::pair{"tbxWireLen", "40"}, std::pair{"tbxWireDepth", "1.5"}}) {
        form.Type(field, text);
    }
    QString data = File("site.xml");
    form.Window().SaveDataFile(data);
    form.Type("tbxElectLen", "12");
    // What the window shows once it has read the file.
    form.Window().LoadDataFile(data);
    QString text = File("site.txt");
    form.Window().SaveTextReport(text);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(stakewell::cli::RunFieldCommand(
                  {QStringLiteral("stakewell"), QStringLiteral("--report"), data}, out, err),
              0);
    EXPECT_EQ(out.str(), ReadBytes(text).toStdString());
}

} // namespace
