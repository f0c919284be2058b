#include "about/frmAbout.h"

#include "ui_frmAbout.h"

#include "ProgramIdentity.h"
#include "about/DialogFont.h"
#include "about/SysInfo.h"
#include "shared/Twips.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>

#include <utility>

// Resources of a static library are registered by hand, from outside any
// namespace.
static void InitAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace stakewell::about {

namespace {

using shared::PixelsFromTwips;

// Where the box's client area stands on the screen, and its size, in twips.
constexpr int AboutLeftTwips = 2340;
constexpr int AboutTopTwips = 1935;
constexpr int AboutWidthTwips = 5730;
constexpr int AboutHeightTwips = 3555;

const QString LineBreak = QStringLiteral("\r\n");

void ShowInBlack(QWidget* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(std::function<void()> openMainWindow, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()),
      openMainWindow(std::move(openMainWindow)) {
    InitAboutResources();
    SubstituteDialogFont();
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // Placed, not centred over its parent: setting the geometry tells the
    // dialog it has been moved.
    setGeometry(PixelsFromTwips(AboutLeftTwips), PixelsFromTwips(AboutTopTwips),
                PixelsFromTwips(AboutWidthTwips), PixelsFromTwips(AboutHeightTwips));
    setFixedSize(size());
    ui->picIcon->setPixmap(QPixmap(QStringLiteral(":/about/about-32.png")));
    ShowInBlack(ui->lblDescription);
    ShowInBlack(ui->lblDisclaimer);

    const QString title = QString::fromLatin1(stakewell::ApplicationTitle);
    setWindowTitle(tr("About ") + title);
    ui->lblVersion->setText(tr("Version %1.%2.%3")
                                .arg(stakewell::Major)
                                .arg(stakewell::Minor)
                                .arg(stakewell::Revision));
    ui->lblTitle->setText(title);
    ui->lblDescription->setText(QString::fromLatin1(stakewell::Description) + LineBreak +
                                LineBreak + tr("Copyright \u00A9 2026 the Stakewell project.") +
                                LineBreak + tr("All rights reserved."));
    ui->lblDisclaimer->setText(QString::fromLatin1(stakewell::WebAddress) + LineBreak);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::StartSysInfo() {
    if (StartSystemViewer()) {
        return;
    }
    QMessageBox message(QMessageBox::NoIcon, QString::fromLatin1(stakewell::ApplicationTitle),
                        tr("System Information Is Unavailable At This Time"), QMessageBox::Ok,
                        this);
    message.setInformativeText(ViewersLookedFor());
    message.exec();
}

// Esc is OK's key as much as Enter: the box has nothing to cancel. Only its
// close box leaves without going on.
void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui->cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::cmdOK_Click() {
    if (openMainWindow) {
        openMainWindow();
    }
    accept();
}

} // namespace stakewell::about
