#include "mainwindow/frmSite.h"

#include "ui_frmSite.h"

namespace stakewell::mainwindow {

frmSite::frmSite(const files::SiteRecord& record, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmSite>()) {
    ui->setupUi(this);
    ui->tbxSiteName->setText(record.Site);
    ui->tbxEngineer->setText(record.Engineer);
    ui->tbxTestDate->setText(record.TestDate);
    ui->tbxInstrument->setText(record.Instrument);
    ui->tbxNotes->setPlainText(record.Notes);
    connect(ui->cmdButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->cmdButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

frmSite::~frmSite() = default;

files::SiteRecord frmSite::Record() const {
    return {ui->tbxSiteName->text(), ui->tbxEngineer->text(), ui->tbxTestDate->text(),
            ui->tbxInstrument->text(), ui->tbxNotes->toPlainText()};
}

std::optional<files::SiteRecord> frmSite::Ask(const files::SiteRecord& record, QWidget* parent) {
    frmSite dialog(record, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Record();
}

} // namespace stakewell::mainwindow
