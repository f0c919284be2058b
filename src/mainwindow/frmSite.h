#pragma once

#include "files/SiteRecord.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class frmSite;
}

namespace stakewell::mainwindow {

// Where and by whom the test was taken, typed in for the reports.
class frmSite : public QDialog {
    Q_OBJECT

public:
    frmSite(const files::SiteRecord& record, QWidget* parent);
    ~frmSite() override;
    frmSite(const frmSite&) = delete;
    frmSite& operator=(const frmSite&) = delete;
    frmSite(frmSite&&) = delete;
    frmSite& operator=(frmSite&&) = delete;

    files::SiteRecord Record() const;

    // The record as edited, or nothing when the user cancelled.
    static std::optional<files::SiteRecord> Ask(const files::SiteRecord& record, QWidget* parent);

private:
    std::unique_ptr<Ui::frmSite> ui;
};

} // namespace stakewell::mainwindow
