#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;
class QFileDialog;
class QMessageBox;

// Answers the program's modal dialogs as a user would, so that no test ever
// waits on one: each file dialog is handed to `onFileDialog`, and every
// message box is read and closed with its default button.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(std::function<void(QFileDialog&)> onFileDialog = Cancel);
    ~ModalAnswerer() override;
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;
    ModalAnswerer(ModalAnswerer&&) = delete;
    ModalAnswerer& operator=(ModalAnswerer&&) = delete;

    static void Cancel(QFileDialog& dialog);
    // Types the name into the dialog and accepts it; a question whether to
    // replace an existing file is answered yes.
    static std::function<void(QFileDialog&)> Choose(const QString& fileName);

    // Any other dialog (the About box, a print or input dialog) is left to
    // `answer`; without one it stays up for the test to answer itself.
    void AnswerOtherDialogs(std::function<void(QDialog&)> answer);
    // The program's questions are answered with `button` where they offer
    // it, rather than closed.
    void AnswerMessagesWith(int button) { messageAnswer = button; }

    const QStringList& Messages() const { return messages; }
    const QStringList& MessageTitles() const { return titles; }
    // Each message's informative text, empty where it has none.
    const QStringList& MessageDetails() const { return details; }

private:
    void AnswerNext();

    std::function<void(QFileDialog&)> onFileDialog;
    std::function<void(QDialog&)> onOtherDialog;
    int messageAnswer = 0;
    QStringList messages;
    QStringList titles;
    QStringList details;
    QTimer timer;
};
