#include "about/frmHelp.h"

#include "ui_frmHelp.h"

#include "about/frmAbout.h"

#include <QFile>
#include <QKeyEvent>

// Resources of a static library are registered by hand, from outside any
// namespace.
static void InitHelpResources() {
    Q_INIT_RESOURCE(about);
}

namespace stakewell::about {

frmHelp::frmHelp(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::frmHelp>()) {
    InitHelpResources();
    ui->setupUi(this);
    setWindowFlags(Qt::Window);
    QFile manual(QStringLiteral(":/about/manual.md"));
    if (manual.open(QIODevice::ReadOnly)) {
        ui->txtManual->setMarkdown(QString::fromUtf8(manual.readAll()));
    }
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->cmdAbout, &QPushButton::clicked, this, [this] {
        frmAbout about({}, this);
        about.exec();
    });
}

frmHelp::~frmHelp() = default;

void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace stakewell::about
