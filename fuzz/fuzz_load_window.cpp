// Any bytes loaded as a data file into a fresh main window, headless. A load
// always ends with the loading flag clear, the current point within the list
// and every result label empty or in its pattern; a refused file is reported
// and leaves the labels as they were.
#include "ResultLabels.h"
#include "ScratchFile.h"

#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Closes every message box the moment it is shown, as if read and dismissed.
class MessageCloser {
public:
    MessageCloser() {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++closed;
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->done(QDialog::Rejected);
                } else {
                    modal->close();
                }
            }
        });
        timer.start();
    }

    int Closed() const { return closed; }

private:
    QTimer timer;
    int closed = 0;
};

constexpr int FallOfPotentialTab = 4;

QApplication* application = nullptr;
MessageCloser* closer = nullptr;

std::array<QString, ResultLabels.size()> LabelTexts(const stakewell::mainwindow::frmMain& window) {
    std::array<QString, ResultLabels.size()> texts;
    for (std::size_t i = 0; i < ResultLabels.size(); ++i) {
        const auto* label = window.findChild<QLabel*>(QString::fromLatin1(ResultLabels[i].name));
        Require(label != nullptr, "every result label is on the window", ResultLabels[i].name);
        texts[i] = label->text();
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // Not the fuzzer's arguments: the application would take out any it knows.
    static int argc = 1;
    static char name[] = "fuzz_load_window";
    static std::array<char*, 2> argv{name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(argc, argv.data());
    closer = new MessageCloser;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString fileName = ScratchFile(QStringLiteral("input.xml"));
    {
        QFile file(fileName);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input is written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    // On the fall-of-potential page, so that the graph window is shown and
    // paints what the load brings as a user would see it.
    stakewell::mainwindow::frmMain window;
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    Require(tabs != nullptr, "the window has its tab strip");
    tabs->setCurrentIndex(FallOfPotentialTab);
    const auto before = LabelTexts(window);
    const int messagesBefore = closer->Closed();
    window.LoadDataFile(fileName);
    QApplication::processEvents();

    const stakewell::fop::FallOfPotential& fop = window.Work().Fop();
    Require(fop.FOPCurrent() >= 0 && fop.FOPCurrent() <= fop.PointCount(),
            "a load leaves the current point within the list");
    const auto* pointLabel = window.findChild<QLabel*>(QStringLiteral("lbPoint"));
    Require(pointLabel != nullptr && pointLabel->text() == QStringLiteral("Point %1 of %2")
                                                               .arg(fop.FOPCurrent())
                                                               .arg(fop.PointCount()),
            "the point label names the current point and the count");
    const auto after = LabelTexts(window);
    for (std::size_t i = 0; i < ResultLabels.size(); ++i) {
        RequireEmptyOrInPattern(ResultLabels[i], after[i].toStdString(), "the loaded file");
    }
    if (closer->Closed() != messagesBefore) {
        Require(after == before, "a refused file leaves the results as they were");
    }
    return 0;
}
