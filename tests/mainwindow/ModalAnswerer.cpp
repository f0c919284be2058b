#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <utility>

#include <gtest/gtest.h>

ModalAnswerer::ModalAnswerer(std::function<void(QFileDialog&)> onFileDialog)
    : onFileDialog(std::move(onFileDialog)) {
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::AnswerNext);
    timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::AnswerOtherDialogs(std::function<void(QDialog&)> answer) {
    onOtherDialog = std::move(answer);
}

void ModalAnswerer::Cancel(QFileDialog& dialog) {
    dialog.reject();
}

std::function<void(QFileDialog&)> ModalAnswerer::Choose(const QString& fileName) {
    return [fileName](QFileDialog& dialog) {
        // Typed into the name box, as a user does: selectFile() leaves a
        // focused name box alone, and the dialog then has nothing to accept.
        auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameBox, nullptr);
        nameBox->setText(fileName);
        // Accepting as the dialog's own button does, overwrite question and
        // file-not-found notice included. Posted rather than called: those
        // are modal boxes of their own, and this timer cannot fire again to
        // answer them until its own call has returned.
        QMetaObject::invokeMethod(
            &dialog, [&dialog] { static_cast<QDialog&>(dialog).accept(); }, Qt::QueuedConnection);
    };
}

void ModalAnswerer::AnswerNext() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        // The file dialog's own question whether to replace a file is
        // answered yes, its notice that a file does not exist is closed; the
        // program's messages are read and closed.
        if (qobject_cast<QFileDialog*>(box->parentWidget()) != nullptr) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                yes->click();
            } else {
                box->done(QMessageBox::Ok);
            }
            return;
        }
        messages.append(box->text());
        titles.append(box->windowTitle());
        details.append(box->informativeText());
        if (QAbstractButton* chosen =
                box->button(static_cast<QMessageBox::StandardButton>(messageAnswer))) {
            chosen->click();
        } else {
            box->done(QMessageBox::Ok);
        }
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        onFileDialog(*dialog);
    } else if (auto* other = qobject_cast<QDialog*>(modal); other != nullptr && onOtherDialog) {
        onOtherDialog(*other);
    }
}
