#include "RecoveryOffer.h"

#include "files/LastRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace stakewell::app {
namespace {

QString Shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

QString RecoveryQuestion(const files::RecoveredWork& work) {
    const QString changed =
        work.ChangedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString file =
        work.WorkFile.isEmpty()
            ? QCoreApplication::translate("stakewell::app::RecoveryOffer",
                                          "Data file: none, the work was never saved to a file.")
            : QCoreApplication::translate("stakewell::app::RecoveryOffer", "Data file: \"%1\"")
                  .arg(Shown(work.WorkFile));
    return QCoreApplication::translate(
               "stakewell::app::RecoveryOffer",
               "Stakewell did not close normally last time, and kept the work it "
               "had.\n\nLast changed: %1\n%2\n\nRestore brings the work back, "
               "unsaved. Discard deletes it.")
        .arg(changed, file);
}

// Only a click on Discard deletes the work: Enter, Escape and the close box
// bring it back, where it can still be thrown away.
bool AskRestore(const files::RecoveredWork& work) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stakewell"), RecoveryQuestion(work));
    box.setObjectName(QStringLiteral("msgRecovery"));
    QPushButton* restore =
        box.addButton(QCoreApplication::translate("stakewell::app::RecoveryOffer", "Restore"),
                      QMessageBox::AcceptRole);
    const QPushButton* discard =
        box.addButton(QCoreApplication::translate("stakewell::app::RecoveryOffer", "Discard"),
                      QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() != discard;
}

// Never deleted: what it holds may still be the user's only copy.
void ReportUnreadable(const QString& recoveryFile, const QString& problem) {
    QString notice =
        QCoreApplication::translate("stakewell::app::RecoveryOffer",
                                    "The work kept from a run that did not close normally could "
                                    "not be read from \"%1\":\n%2.\n\n")
            .arg(Shown(recoveryFile), problem);
    if (const std::optional<QString> keptAs = files::SetAsideUnreadable(recoveryFile)) {
        notice += QCoreApplication::translate(
                      "stakewell::app::RecoveryOffer",
                      "The file has been kept as \"%1\". Stakewell starts as usual.")
                      .arg(Shown(*keptAs));
    } else {
        notice +=
            QCoreApplication::translate("stakewell::app::RecoveryOffer",
                                        "It could not be moved aside. Stakewell starts as usual.");
    }
    QMessageBox::warning(nullptr, QStringLiteral("Stakewell"), notice);
}

} // namespace

std::optional<files::RecoveredWork> OfferRecovery(const QString& recoveryFile) {
    if (!QFileInfo::exists(recoveryFile)) {
        return std::nullopt;
    }
    files::RecoveryFileRead read = files::ReadRecoveryFile(recoveryFile);
    if (!read.Work) {
        ReportUnreadable(recoveryFile, read.Problem);
        return std::nullopt;
    }
    if (AskRestore(*read.Work)) {
        return std::move(read.Work);
    }
    QFile::remove(recoveryFile);
    return std::nullopt;
}

} // namespace stakewell::app
