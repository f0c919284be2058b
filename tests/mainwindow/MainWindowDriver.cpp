#include "MainWindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

MainWindowDriver::MainWindowDriver()
    : owned(std::make_unique<stakewell::mainwindow::frmMain>()), window(owned.get()) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
}

MainWindowDriver::MainWindowDriver(stakewell::mainwindow::frmMain& shown) : window(&shown) {}

QWidget* MainWindowDriver::Control(const QString& name) const {
    auto* control = window->findChild<QWidget*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

QLineEdit* MainWindowDriver::Field(const QString& name) const {
    auto* field = window->findChild<QLineEdit*>(name);
    EXPECT_NE(field, nullptr) << name.toStdString();
    return field;
}

QLabel* MainWindowDriver::Label(const QString& name) const {
    auto* label = window->findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label;
}

void MainWindowDriver::Type(const QString& name, const QString& text) {
    QLineEdit* field = Field(name);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void MainWindowDriver::Append(const QString& name, const QString& text) {
    QLineEdit* field = Field(name);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, text);
}

void MainWindowDriver::Backspace(const QString& name) {
    QLineEdit* field = Field(name);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
}

void MainWindowDriver::Click(const QString& name) {
    QWidget* control = Control(name);
    QPoint where = control->rect().center();
    // An option button answers only on its indicator and caption.
    if (qobject_cast<QRadioButton*>(control) != nullptr) {
        where.setX(control->height() / 2);
    }
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, where);
}

void MainWindowDriver::SelectTab(int page) {
    SelectPage(QStringLiteral("Frame_%1").arg(page));
}

void MainWindowDriver::SelectPage(const QString& page) {
    // The pages in the order of their tabs.
    static const QStringList order{"Frame_1",      "Frame_2", "Frame_3", "Frame_4",
                                   "Frame_Layers", "Frame_5", "Frame_6"};
    const auto index = static_cast<int>(order.indexOf(page));
    ASSERT_GE(index, 0) << "no page " << page.toStdString();
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

QString MainWindowDriver::Text(const QString& name) const {
    if (auto* field = window->findChild<QLineEdit*>(name)) {
        return field->text();
    }
    if (auto* label = window->findChild<QLabel*>(name)) {
        return label->text();
    }
    if (auto* button = window->findChild<QAbstractButton*>(name)) {
        return button->text();
    }
    ADD_FAILURE() << "no control " << name.toStdString();
    return {};
}

void PrintTo(const QString& text, std::ostream* os) {
    *os << testing::PrintToString(text.toStdString());
}

QWidget* ShownGraphWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("stakewell::graph::frmGraph") && top->isVisible()) {
            return top;
        }
    }
    return nullptr;
}
