#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class frmHelp;
}

namespace stakewell::about {

// The manual, as the repository keeps it, with the way to the About box.
class frmHelp : public QWidget {
    Q_OBJECT

public:
    explicit frmHelp(QWidget* parent = nullptr);
    ~frmHelp() override;
    frmHelp(const frmHelp&) = delete;
    frmHelp& operator=(const frmHelp&) = delete;
    frmHelp(frmHelp&&) = delete;
    frmHelp& operator=(frmHelp&&) = delete;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::frmHelp> ui;
};

} // namespace stakewell::about
