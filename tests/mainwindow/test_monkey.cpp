// The whole program under a long run of random user actions: whatever is
// typed, clicked, browsed, resized, loaded or saved, it must never crash or
// hang, and what it shows must stay in shape and in step with its point list.
#include "MainWindowDriver.h"
#include "ModalAnswerer.h"
#include "ReadOutShapes.h"

#include "ProgramStart.h"
#include "about/frmAbout.h"
#include "graph/frmGraph.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <limits>
#include <memory>
#include <mutex>
#include <ostream>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Seeded choices that come out the same from every standard library: the
// engine's sequence is fixed by the language, the ranges are drawn here.
class Chooser {
public:
    explicit Chooser(std::uint64_t seed) : engine(seed) {}

    // Uniform in 0..count-1: draws above the last whole multiple of count are
    // thrown back, so no value is favoured.
    std::uint64_t Below(std::uint64_t count) {
        constexpr std::uint64_t top = std::numeric_limits<std::uint64_t>::max();
        const std::uint64_t limit = top - top % count;
        std::uint64_t draw = engine();
        while (draw >= limit) {
            draw = engine();
        }
        return draw % count;
    }
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<std::uint64_t>(high - low) + 1));
    }
    bool OneIn(int count) { return Below(static_cast<std::uint64_t>(count)) == 0; }
    template <class Item> const Item& Pick(const std::vector<Item>& items) {
        return items.at(Below(items.size()));
    }
    QChar CharOf(const QString& alphabet) {
        return alphabet.at(
            static_cast<qsizetype>(Below(static_cast<std::uint64_t>(alphabet.size()))));
    }

private:
    std::mt19937_64 engine;
};

// Ends the process when one action outlasts any user's patience: a hang
// cannot be reported from the thread that hangs.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) : limit(limit), thread([this] { Watch(); }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex);
            stopping = true;
        }
        wake.notify_one();
        thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    Watchdog(Watchdog&&) = delete;
    Watchdog& operator=(Watchdog&&) = delete;

    void Arm(std::string doing) {
        const std::lock_guard lock(mutex);
        what = std::move(doing);
        since = std::chrono::steady_clock::now();
    }

private:
    void Watch() {
        std::unique_lock lock(mutex);
        while (!wake.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping; })) {
            if (!what.empty() && std::chrono::steady_clock::now() - since > limit) {
                std::fprintf(stderr, "HANG: one action took more than %lld s\n%s\n",
                             static_cast<long long>(limit.count()), what.c_str());
                std::fflush(stderr);
                std::_Exit(EXIT_FAILURE);
            }
        }
    }

    std::chrono::seconds limit;
    std::mutex mutex;
    std::condition_variable wake;
    std::string what;
    std::chrono::steady_clock::time_point since;
    bool stopping = false;
    std::thread thread;
};

// Numbers as people mistype them: signs, fractions, exponents, separators,
// prefixes, junk, and values far beyond any range.
QString NumberText(Chooser& choose) {
    const auto digits = [&choose](int low, int high) {
        QString run;
        for (int i = choose.Between(low, high); i > 0; --i) {
            run += QChar(u'0' + choose.Between(0, 9));
        }
        return run;
    };
    switch (choose.Below(12)) {
    case 0:
        return {};
    case 1:
        return digits(25, 60);
    case 2:
        return "0." + QString(choose.Between(10, 330), u'0') + digits(1, 3);
    case 3:
        return choose.Pick<QString>({"&H", "&O", "&h"}) + digits(1, 20);
    case 4:
        return digits(1, 3) + choose.Pick<QString>({"/", " / ", "-"}) + digits(1, 3);
    default:
        break;
    }
    QString text = choose.Pick<QString>({"", "", "", "-", "+", " ", "--", "-."});
    text += digits(0, 4);
    if (!choose.OneIn(3)) {
        text += "." + digits(0, 4);
    }
    if (choose.OneIn(3)) {
        text += choose.Pick<QString>({"E", "e", "E+", "E-", "D"}) + digits(0, 3);
    }
    while (choose.OneIn(4)) {
        const auto at =
            static_cast<qsizetype>(choose.Below(static_cast<std::uint64_t>(text.size()) + 1));
        text.insert(at, choose.CharOf(QStringLiteral(",.; \t-+eEabcxHO%$&\u0663")));
    }
    return text;
}

// A readings list as a clipboard or a file might hold it, mostly sound, now
// and then a whole logger's memory.
QString ReadingsText(Chooser& choose) {
    QString text;
    for (int line = choose.OneIn(20) ? 2000 : choose.Between(0, 12); line > 0; --line) {
        const QString separator = choose.Pick<QString>({",", ";", "\t", ", "});
        text += choose.OneIn(6) ? NumberText(choose)
                                : QString::number(choose.Between(1, 60)) + "." +
                                      QString::number(choose.Between(0, 9));
        text += separator;
        text += choose.OneIn(6) ? NumberText(choose) : QString::number(choose.Between(1, 400));
        text += choose.OneIn(8) ? "\r\n" : "\n";
    }
    return text;
}

class Monkey {
public:
    Monkey(std::uint64_t seed, const QString& folder)
        : seed(seed), choose(seed), folder(folder),
          lastConfig(QDir(folder).filePath(QStringLiteral("LastConfig.xml"))),
          answerer([this](QFileDialog& dialog) { AnswerFileDialog(dialog); }),
          watchdog(std::chrono::seconds(10)) {
        answerer.AnswerOtherDialogs([this](QDialog& dialog) { AnswerOtherDialog(dialog); });
        Start();
    }
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;
    Monkey(Monkey&&) = delete;
    Monkey& operator=(Monkey&&) = delete;

    // Empty when the program came through every action whole; otherwise what
    // broke, with the seed and the actions that led there.
    std::string Run(int actions) {
        for (index = 0; index < actions; ++index) {
            const Action& action = PickAction();
            Note(QString::fromLatin1(action.name));
            (this->*action.perform)();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            if (!form->Window().isVisible()) {
                Restart();
            }
            if (const QString broken = Problems(); !broken.isEmpty()) {
                return Report(broken.toStdString());
            }
        }
        watchdog.Arm({});
        return {};
    }

private:
    struct Action {
        const char* name;
        int weight;
        void (Monkey::*perform)();
    };
    static const std::vector<Action> Actions;

    const Action& PickAction() {
        static const int total = [] {
            int sum = 0;
            for (const Action& action : Actions) {
                sum += action.weight;
            }
            return sum;
        }();
        int draw = static_cast<int>(choose.Below(static_cast<std::uint64_t>(total)));
        for (const Action& action : Actions) {
            if (draw < action.weight) {
                return action;
            }
            draw -= action.weight;
        }
        return Actions.back();
    }

    // What the current action does, for the watchdog and for a failure.
    void Note(const QString& doing) {
        if (history.size() == 12) {
            history.pop_front();
        }
        history.push_back(QStringLiteral("#%1 %2").arg(index).arg(doing.left(120)).toStdString());
        if (trace) {
            std::fprintf(stderr, "%s\n", history.back().c_str());
        }
        watchdog.Arm(Report("still running the last of these"));
    }

    std::string Report(const std::string& broken) const {
        std::string text = "seed " + std::to_string(seed) + ", action #" + std::to_string(index) +
                           ": " + broken + "\nlast actions:";
        for (const std::string& done : history) {
            text += "\n  " + done;
        }
        return text;
    }

    // The program's start as the user meets it: the About box first, then the
    // main window from the last run's state.
    void Start() {
        start = std::make_unique<stakewell::app::ProgramStart>(lastConfig,
                                                               stakewell::app::StartRequest{});
        start->Run();
        form = std::make_unique<MainWindowDriver>(*start->MainWindow());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form->Window()));
    }

    void Restart() {
        form.reset();
        start.reset();
        if (choose.OneIn(4)) {
            Note(QStringLiteral("spoil LastConfig.xml before the start"));
            Spoil(lastConfig);
        }
        Start();
    }

    static stakewell::graph::frmGraph* Graph() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* graph = qobject_cast<stakewell::graph::frmGraph*>(window);
            if (graph != nullptr && graph->isVisible() && !graph->IsClosed()) {
                return graph;
            }
        }
        return nullptr;
    }

    // The named control, its page first brought into view by its tab as a
    // user would.
    QWidget* Reach(const QString& name) {
        QWidget* control = form->Control(name);
        for (QWidget* page = control; page != nullptr; page = page->parentWidget()) {
            if (page->objectName().startsWith(QLatin1String("Frame_")) && !page->isVisible()) {
                const int tab = page->objectName().mid(6).toInt();
                Note(QStringLiteral("tab %1").arg(tab));
                form->SelectTab(tab);
            }
        }
        return control;
    }

    // Mostly one of those in view, as a user works a page before turning to
    // the next; now and then any, which turns the page.
    QWidget* ReachOneOf(const QStringList& names) {
        QStringList inView;
        for (const QString& name : names) {
            if (form->Control(name)->isVisible()) {
                inView << name;
            }
        }
        const QStringList& from = inView.isEmpty() || choose.OneIn(4) ? names : inView;
        return Reach(from.at(static_cast<qsizetype>(choose.Below(from.size()))));
    }

    // The graph window, shown by the fall-of-potential tab when it is not up.
    stakewell::graph::frmGraph* ReachGraph() {
        if (Graph() == nullptr) {
            Note(QStringLiteral("tab 5"));
            form->SelectTab(5);
        }
        return Graph();
    }

    // --- actions ---

    void TypeIntoField() {
        static const QStringList fields = {
            "tbxEarthRes",      "tbxElectLen",      "tbxElectDia",  "tbxNumer",     "tbxDenom",
            "tbxNumElect",      "tbxWireDia",       "tbxWireAWG",   "tbxWireDepth", "tbxWireLen",
            "tbxWireBetween_0", "tbxWireBetween_1", "tbxFOPP2Feet", "tbxFOPP2Ohms", "tbxFOPE2",
            "tbxMVal",          "tbx4ptE2"};
        const QString name = ReachOneOf(fields)->objectName();
        const QString text = NumberText(choose);
        // Keys exist for ASCII only; anything else, and any text too long for
        // anyone to type, comes in by the clipboard.
        const bool typeable =
            text.size() <= 24 &&
            std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() < 128; });
        switch (typeable ? choose.Below(6) : 2) {
        case 0:
            Note(QStringLiteral("append \"%1\" to %2").arg(text, name));
            form->Append(name, text);
            break;
        case 1:
            Note(QStringLiteral("backspace in %1").arg(name));
            form->Backspace(name);
            break;
        case 2:
            Note(QStringLiteral("paste \"%1\" into %2").arg(text, name));
            QApplication::clipboard()->setText(text);
            QTest::keyClick(form->Field(name), Qt::Key_V, Qt::ControlModifier);
            break;
        default:
            Note(QStringLiteral("type \"%1\" into %2").arg(text, name));
            form->Type(name, text);
            break;
        }
    }

    void ClickControl() {
        static const QStringList controls = {"WireSize_0",   "WireSize_1", "WireLength_0",
                                             "WireLength_1", "cmdFOPAdd",  "cmdFOPRemove",
                                             "cmdFOPClear",  "lbResult"};
        const QString name = ReachOneOf(controls)->objectName();
        Note(QStringLiteral("click %1").arg(name));
        form->Click(name);
    }

    // A reading that lies within E2, so that the list grows.
    void AddReading() {
        Reach("cmdFOPAdd");
        const double e2 = form->Text("tbxFOPE2").toDouble();
        const QString feet = QString::number(e2 * choose.Between(1, 99) / 100.0, 'g', 6);
        const QString ohms = QString::number(choose.Between(1, 5000) / 10.0);
        Note(QStringLiteral("add %1 Feet, %2 Ohms").arg(feet, ohms));
        form->Type("tbxFOPP2Feet", feet);
        form->Type("tbxFOPP2Ohms", ohms);
        if (choose.OneIn(2)) {
            form->Click("cmdFOPAdd");
        } else {
            QTest::keyClick(form->Field("tbxFOPP2Ohms"), Qt::Key_Return);
        }
    }

    void Browse() {
        auto* scroll = qobject_cast<QScrollBar*>(Reach("HScroll1"));
        const int value = choose.Between(scroll->minimum() - 1, scroll->maximum() + 1);
        Note(QStringLiteral("browse to %1").arg(value));
        scroll->setValue(value);
    }

    void SwitchTab() {
        const int tab = choose.Between(1, 6);
        Note(QStringLiteral("tab %1").arg(tab));
        form->SelectTab(tab);
    }

    // Where keys typed into the main window go, once a click on it has made
    // it the active window.
    QWidget* MainWindowFocus() {
        stakewell::mainwindow::frmMain& window = form->Window();
        if (QApplication::activeWindow() != &window) {
            window.activateWindow();
            QCoreApplication::processEvents();
        }
        return window.focusWidget() != nullptr ? window.focusWidget() : &window;
    }

    void PressKey() {
        struct Key {
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const std::vector<Key> keys = {
            {"Tab", Qt::Key_Tab, Qt::NoModifier},
            {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
            {"Enter", Qt::Key_Return, Qt::NoModifier},
            {"Esc", Qt::Key_Escape, Qt::NoModifier},
            {"Space", Qt::Key_Space, Qt::NoModifier},
            {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
            {"Ctrl+Shift+Z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier},
            {"Ctrl+PgUp", Qt::Key_PageUp, Qt::ControlModifier},
            {"Left", Qt::Key_Left, Qt::NoModifier},
            {"Right", Qt::Key_Right, Qt::NoModifier},
            {"Home", Qt::Key_Home, Qt::NoModifier},
            {"End", Qt::Key_End, Qt::NoModifier},
            {"PgDown", Qt::Key_PageDown, Qt::NoModifier},
            {"Delete", Qt::Key_Delete, Qt::NoModifier},
        };
        const Key& key = choose.Pick(keys);
        QWidget* focus = MainWindowFocus();
        Note(QStringLiteral("%1 on %2").arg(QLatin1String(key.name), focus->objectName()));
        QTest::keyClick(focus, key.key, key.modifiers);
    }

    void MouseOverGraph() {
        stakewell::graph::frmGraph* graph = ReachGraph();
        if (graph == nullptr) {
            return;
        }
        auto* picture = graph->findChild<QWidget*>(QStringLiteral("FOPGraph"));
        const QPointF at(choose.Between(-20, picture->width() + 20),
                         choose.Between(-20, picture->height() + 20));
        Note(QStringLiteral("mouse at %1, %2 of %3 x %4")
                 .arg(at.x())
                 .arg(at.y())
                 .arg(picture->width())
                 .arg(picture->height()));
        if (choose.OneIn(8)) {
            QHelpEvent help(QEvent::ToolTip, at.toPoint(), picture->mapToGlobal(at.toPoint()));
            QApplication::sendEvent(picture, &help);
            return;
        }
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
    }

    // Window sizes up to about the largest screens; most are small.
    void ResizeOrMoveGraph() {
        stakewell::graph::frmGraph* graph = ReachGraph();
        if (graph == nullptr) {
            return;
        }
        const int largest = choose.OneIn(10) ? 3000 : 700;
        const int width = choose.Between(0, largest);
        const int height = choose.Between(0, largest);
        if (choose.OneIn(3)) {
            Note(QStringLiteral("move graph to %1, %2").arg(width - 1500).arg(height - 1500));
            graph->move(width - 1500, height - 1500);
        } else {
            Note(QStringLiteral("resize graph to %1 x %2").arg(width).arg(height));
            graph->resize(width, height);
        }
    }

    void CloseGraph() {
        if (stakewell::graph::frmGraph* graph = Graph()) {
            graph->close();
        }
    }

    void GraphCommand() {
        stakewell::graph::frmGraph* graph = ReachGraph();
        if (graph == nullptr) {
            return;
        }
        QString none;
        switch (choose.Below(9)) {
        case 0:
            Note(QStringLiteral("copy graph"));
            graph->CopyGraph();
            break;
        case 1: {
            const QString readings = ReadingsText(choose);
            Note(QStringLiteral("paste readings \"%1\"").arg(readings));
            QApplication::clipboard()->setText(readings);
            graph->PasteReadings();
            break;
        }
        case 2:
            Note(QStringLiteral("flatness tolerance"));
            graph->AskTolerance();
            break;
        case 3:
            Note(QStringLiteral("print, cancelled"));
            graph->PrintReport();
            break;
        case 4:
            PlanFileAnswer({".png", ".svg", ""});
            graph->SaveGraph(none);
            break;
        case 5:
            PlanFileAnswer({".pdf"});
            graph->SaveReportPdf(none);
            break;
        case 6:
            PlanFileAnswer({".csv", ".txt"});
            graph->ExportReadings(none);
            break;
        default:
            PlanFileAnswer({".csv", ".txt"});
            graph->ImportReadings(none);
            break;
        }
    }

    void FileButton() {
        static const QStringList buttons = {"cmdLoadData", "cmdSaveData", "cmdSaveText"};
        const QString& name = buttons.at(static_cast<qsizetype>(choose.Below(buttons.size())));
        PlanFileAnswer(name == QLatin1String("cmdSaveText") ? QStringList{".txt", ""}
                                                            : QStringList{".xml", ""});
        Note(QStringLiteral("click %1").arg(name));
        form->Click(name);
    }

    void AboutBox() {
        Note(QStringLiteral("F1, the manual"));
        QTest::keyClick(MainWindowFocus(), Qt::Key_F1);
    }

    void MoveMainWindow() {
        const QPoint to(choose.Between(-3000, 3000), choose.Between(-3000, 3000));
        Note(QStringLiteral("move main window to %1, %2").arg(to.x()).arg(to.y()));
        form->Window().move(to);
    }

    void EndProgram() {
        Note(QStringLiteral("End Program, then start again"));
        form->Click("cmdEnd");
    }

    // --- dialogs ---

    // The name the next file dialog gets: one the run wrote before, a fresh
    // one, a folder, a path that cannot exist, a spoilt file, or Cancel.
    void PlanFileAnswer(const QStringList& suffixes) {
        const QDir dir(folder);
        const QString& suffix = suffixes.at(static_cast<qsizetype>(choose.Below(suffixes.size())));
        switch (choose.Below(9)) {
        case 0:
            planned.clear();
            break;
        case 1:
            planned = folder;
            break;
        case 2:
            planned = dir.filePath(QStringLiteral("no folder/file") + suffix);
            break;
        case 3:
            planned = dir.filePath(QString(choose.Between(190, 260), u'n') + suffix);
            break;
        case 4:
        case 5:
            planned =
                dir.filePath(QStringLiteral("file%1%2").arg(choose.Between(1, 4)).arg(suffix));
            if (choose.OneIn(2)) {
                Spoil(planned);
            }
            break;
        default:
            planned =
                dir.filePath(QStringLiteral("file%1%2").arg(choose.Between(1, 4)).arg(suffix));
            break;
        }
        Note(QStringLiteral("file dialog answered \"%1\"")
                 .arg(planned.isEmpty() ? "Cancel" : planned));
    }

    // Leaves garbage where a file was: random bytes, or the file cut short or
    // with a run of its bytes overwritten.
    void Spoil(const QString& fileName) {
        QFile file(fileName);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly)) {
            bytes = file.readAll();
            file.close();
        }
        if (bytes.isEmpty() || choose.OneIn(3)) {
            bytes.resize(choose.Between(0, 600));
            for (char& byte : bytes) {
                byte = static_cast<char>(choose.Below(256));
            }
        } else if (choose.OneIn(2)) {
            bytes.truncate(
                static_cast<qsizetype>(choose.Below(static_cast<std::uint64_t>(bytes.size()))));
        } else {
            const auto at =
                static_cast<qsizetype>(choose.Below(static_cast<std::uint64_t>(bytes.size())));
            for (qsizetype i = at; i < std::min(bytes.size(), at + 8); ++i) {
                bytes[i] =
                    static_cast<char>(choose.CharOf(QStringLiteral("<>/&;\"'=0-9E.x")).toLatin1());
            }
        }
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    // The first answer a dialog gets is the planned one; a dialog still up
    // after it (a folder was opened, a file was not found) is cancelled.
    void AnswerFileDialog(QFileDialog& dialog) {
        if (answered == &dialog || planned.isEmpty()) {
            dialog.reject();
            return;
        }
        answered = &dialog;
        ModalAnswerer::Choose(std::exchange(planned, QString()))(dialog);
    }

    void AnswerOtherDialog(QDialog& dialog) {
        if (auto* about = qobject_cast<stakewell::about::frmAbout*>(&dialog)) {
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        } else if (auto* input = qobject_cast<QInputDialog*>(&dialog);
                   input != nullptr && answered != &dialog && choose.OneIn(2)) {
            answered = &dialog;
            auto* field = input->findChild<QLineEdit*>();
            field->selectAll();
            field->insert(NumberText(choose));
            QTest::keyClick(field, Qt::Key_Return);
        } else {
            dialog.reject();
        }
    }

    // --- what must hold after every action ---

    QString Problems() const {
        QStringList problems;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            problems << QStringLiteral("a dialog stayed up: %1").arg(modal->windowTitle());
        }
        stakewell::mainwindow::frmMain& window = form->Window();
        for (const ReadOutShape& readOut : MainWindowReadOuts()) {
            if (QString mismatch = ReadOutMismatch(window, readOut, true); !mismatch.isEmpty()) {
                problems << mismatch;
            }
        }
        // No ground has a negative resistance or resistivity. (A tiny one may
        // round to 0.000.)
        for (const char* name :
             {"lbOneElectRes", "lbLinearElect", "lbLinearWire", "LbLinearMutual", "lbLinearTotal",
              "lbRectElect", "lbRectWire", "lbRectMutual", "lbRectTotal", "lbEarthRes"}) {
            const QString shown = form->Text(QLatin1String(name));
            if (shown.startsWith(u'-')) {
                problems << QStringLiteral("%1 shows \"%2\"").arg(QLatin1String(name), shown);
            }
        }
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (ShowsNonNumber(label->text())) {
                problems
                    << QStringLiteral("%1 shows \"%2\"").arg(label->objectName(), label->text());
            }
        }
        const stakewell::fop::FallOfPotential& fop = window.Work().Fop();
        const int count = fop.PointCount();
        const int current = fop.FOPCurrent();
        const QString point = QStringLiteral("Point %1 of %2").arg(current).arg(count);
        if (current < 0 || current > count || form->Text("lbPoint") != point) {
            problems << QStringLiteral("lbPoint shows \"%1\" with point %2 of %3")
                            .arg(form->Text("lbPoint"))
                            .arg(current)
                            .arg(count);
        }
        const auto* scroll = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        if (scroll->maximum() != count || scroll->value() != current) {
            problems << QStringLiteral("HScroll1 at %1 of %2 with point %3 of %4")
                            .arg(scroll->value())
                            .arg(scroll->maximum())
                            .arg(current)
                            .arg(count);
        }
        if (const stakewell::graph::frmGraph* graph = Graph()) {
            static const QRegularExpression readout(
                QStringLiteral(R"(^(-?[0-9]+(\.[0-9]+)?(E[-+][0-9]{2,})? (Feet|Metres|Ohms))?$)"));
            for (const char* panel : {"Panel_1", "Panel_2"}) {
                const QString shown = graph->findChild<QLabel*>(QLatin1String(panel))->text();
                if (!readout.match(shown).hasMatch()) {
                    problems << QStringLiteral("%1 shows \"%2\"").arg(QLatin1String(panel), shown);
                }
            }
        }
        return problems.join(QStringLiteral("; "));
    }

    std::uint64_t seed;
    Chooser choose;
    QString folder;
    QString lastConfig;
    ModalAnswerer answerer;
    Watchdog watchdog;
    std::unique_ptr<stakewell::app::ProgramStart> start;
    std::unique_ptr<MainWindowDriver> form;
    int index = 0;
    std::deque<std::string> history;
    QString planned;
    QPointer<QDialog> answered;
    // Every action told as it starts, to follow a run by eye.
    bool trace = qEnvironmentVariableIsSet("STAKEWELL_MONKEY_TRACE");
};

// Typing and the fall-of-potential page carry most of the weight; the file
// actions cost most and come rarely.
const std::vector<Monkey::Action> Monkey::Actions = {
    {"type into a field", 300, &Monkey::TypeIntoField},
    {"click a control", 110, &Monkey::ClickControl},
    {"add a reading", 50, &Monkey::AddReading},
    {"browse", 70, &Monkey::Browse},
    {"switch tab", 60, &Monkey::SwitchTab},
    {"press a key", 110, &Monkey::PressKey},
    {"mouse over the graph", 90, &Monkey::MouseOverGraph},
    {"resize or move the graph", 20, &Monkey::ResizeOrMoveGraph},
    {"close the graph", 10, &Monkey::CloseGraph},
    {"graph command", 5, &Monkey::GraphCommand},
    {"file button", 5, &Monkey::FileButton},
    {"move the main window", 3, &Monkey::MoveMainWindow},
    {"About box", 2, &Monkey::AboutBox},
    {"End Program", 2, &Monkey::EndProgram},
};

struct MonkeyRun {
    std::uint64_t seed;
    int actions;
};

void PrintTo(const MonkeyRun& run, std::ostream* os) {
    *os << "seed " << run.seed << ", " << run.actions << " actions";
}

// A run can be repeated with another seed or length from the environment.
MonkeyRun Overridden(MonkeyRun run) {
    if (const QByteArray seed = qgetenv("STAKEWELL_MONKEY_SEED"); !seed.isEmpty()) {
        run.seed = seed.toULongLong();
    }
    if (const QByteArray actions = qgetenv("STAKEWELL_MONKEY_ACTIONS"); !actions.isEmpty()) {
        run.actions = actions.toInt();
    }
    return run;
}

QtMessageHandler passOn = nullptr;

// The offscreen platform tells of every raise and size hint it cannot honour;
// thousands of those would bury a failure.
void QuietAboutThePlatform(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        passOn(type, context, message);
    }
}

class RandomUser : public testing::TestWithParam<MonkeyRun> {
protected:
    void SetUp() override { passOn = qInstallMessageHandler(QuietAboutThePlatform); }
    void TearDown() override { qInstallMessageHandler(passOn); }
};

TEST_P(RandomUser, ActionsLeaveTheProgramWhole) {
    const MonkeyRun run = Overridden(GetParam());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Qt's own dialogs keep their history in the user's settings; here they
    // keep it in the run's folder.
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder.path());
    }
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    std::string broken;
    {
        Monkey monkey(run.seed, folder.path());
        broken = monkey.Run(run.actions);
    }
    QDir::setCurrent(before);
    EXPECT_EQ(broken, "") << "repeat with STAKEWELL_MONKEY_SEED=" << run.seed;
}

// Three full runs in the optimised build; under the sanitizers, where every
// action costs many times as much, one short run.
#ifdef STAKEWELL_MONKEY_SANITIZED
const auto Runs = testing::Values(MonkeyRun{1, 1500});
#else
const auto Runs = testing::Values(MonkeyRun{1, 20000}, MonkeyRun{2, 20000}, MonkeyRun{3, 20000});
#endif

INSTANTIATE_TEST_SUITE_P(Monkey, RandomUser, Runs,
                         [](const testing::TestParamInfo<MonkeyRun>& info) {
                             return "seed_" + std::to_string(info.param.seed);
                         });

} // namespace
