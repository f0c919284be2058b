#include "graph/frmDetails.h"

#include "ui_frmDetails.h"

#include <QApplication>
#include <QClipboard>

namespace stakewell::graph {

frmDetails::frmDetails(const QString& listing, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmDetails>()) {
    ui->setupUi(this);
    ui->txtListing->setPlainText(listing);
    connect(ui->cmdCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(ui->txtListing->toPlainText()); });
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    ui->txtListing->setFocus();
}

frmDetails::~frmDetails() = default;

} // namespace stakewell::graph
