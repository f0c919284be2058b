#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmDetails;
}

namespace stakewell::graph {

// The whole analysis listing, to be read with the keyboard or a screen
// reader and copied, where the status bar has room for its summary only.
class frmDetails : public QDialog {
    Q_OBJECT

public:
    frmDetails(const QString& listing, QWidget* parent);
    ~frmDetails() override;
    frmDetails(const frmDetails&) = delete;
    frmDetails& operator=(const frmDetails&) = delete;
    frmDetails(frmDetails&&) = delete;
    frmDetails& operator=(frmDetails&&) = delete;

private:
    std::unique_ptr<Ui::frmDetails> ui;
};

} // namespace stakewell::graph
