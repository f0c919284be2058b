#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class frmAbout;
} // namespace Ui

namespace stakewell::about {

// The program's title, version and purpose, its maker's notice and web
// address, and a launcher for the system's own information viewer.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // OK runs openMainWindow, when given, before the box closes: the box
    // shown at the program's start opens the main window that way. The close
    // box closes it without.
    explicit frmAbout(std::function<void()> openMainWindow = {}, QWidget* parent = nullptr);
    ~frmAbout() override;
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;
    frmAbout(frmAbout&&) = delete;
    frmAbout& operator=(frmAbout&&) = delete;

    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
    std::function<void()> openMainWindow;
};

} // namespace stakewell::about
