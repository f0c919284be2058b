// What the main window gives the graph window's field-test commands: readings
// brought in from outside, and its part of the printed test report.
#include "mainwindow/frmMain.h"

#include "ui_frmMain.h"

#include <QShortcut>

#include "graph/GraphWindowHost.h"
#include "graph/TestReportPage.h"
#include "mainwindow/frmSite.h"
#include "shared/NumberReading.h"
#include "soil/SoilReportPage.h"

namespace stakewell::mainwindow {

void frmMain::ConnectFieldTest() {
    graph::GraphCommands& commands = graph->Commands();
    commands.TakeReadings = [this](std::vector<survey::FOPPoint> readings) {
        TakeReadings(std::move(readings));
    };
    commands.ReportContent = [this] { return CurrentTestReport(); };
    commands.EditSiteRecord = [this] { EditSiteRecord(); };
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_I), &frmMain::EditSiteRecord);
}

void frmMain::EditSiteRecord() {
    if (const std::optional<files::SiteRecord> edited = frmSite::Ask(siteRecord, this)) {
        siteRecord = *edited;
        ShowTitle();
    }
}

// The readings take the place of the list, in order of distance with the
// farthest selected, as Add leaves a list; one undo brings the old list back.
void frmMain::TakeReadings(std::vector<survey::FOPPoint> readings) {
    readings.insert(readings.begin(), survey::FOPPoint{});
    survey::SortFOPPoints(readings, false);
    const int count = static_cast<int>(readings.size()) - 1;
    fopHistory.Push(survey::ReplaceReadings(std::move(readings), count), state.fop);
    UpdateFOP();
}

graph::TestReportContent frmMain::CurrentTestReport() const {
    graph::TestReportContent content;
    content.Design = CurrentReport();
    content.DataFileName = dataFileName;
    content.Date = QDate::currentDate();
    if (state.soil.Exists()) {
        content.FurtherPages.emplace_back(
            [soil = state.soil,
             rodFeet = shared::ReadNumber(ui->tbxElectLen->text().toStdString())](
                QPainter& painter, const QRectF& page, qreal pixelWidth) {
                soil::PaintSoilReportPage(painter, page, pixelWidth, soil, rodFeet);
            });
    }
    return content;
}

} // namespace stakewell::mainwindow
