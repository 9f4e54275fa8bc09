#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "ui/common/Dialogs.h"

namespace qv::test {

// A message box as the editor asked for it.
struct ShownMessage {
    QString title;
    QString text;
    ui::MessageIcon icon;
    ui::MessageButtons buttons;
    QPointer<QWidget> owner;
    bool ownerless;  // asked for with no owner window
    QString detail;
};

// The dialog layer of a test: records every box and dialog the editor asks for and answers
// from queues set up beforehand, without blocking. A message box with no answer queued is
// answered with its first button of OK, Yes, No, Cancel; a file or folder dialog with no answer
// queued is cancelled.
class ScriptedDialogs final : public ui::Dialogs {
  public:
    void answerMessage(ui::MessageButton answer) { messageAnswers_.push_back(answer); }
    void answerOpenFile(const QString& path) { openAnswers_.push_back(path); }
    void answerSaveFile(const QString& path) { saveAnswers_.push_back(path); }
    void answerFolder(const QString& path) { folderAnswers_.push_back(path); }

    const std::vector<ShownMessage>& messages() const { return messages_; }
    // The last message box shown; fails the test when there was none.
    const ShownMessage& lastMessage() const;
    const std::vector<ui::FileRequest>& openRequests() const { return openRequests_; }
    const std::vector<ui::FileRequest>& saveRequests() const { return saveRequests_; }
    const QStringList& folderPrompts() const { return folderPrompts_; }
    int beeps() const { return beeps_; }
    // Forgets everything shown so far (queued answers stay).
    void clearRecords();

    ui::MessageButton message(const ui::MessageRequest& request) override;
    QString openFile(const ui::FileRequest& request) override;
    QString saveFile(const ui::FileRequest& request) override;
    QString chooseFolder(QWidget* owner, const QString& prompt) override;
    void beep() override { ++beeps_; }

  private:
    std::deque<ui::MessageButton> messageAnswers_;
    std::deque<QString> openAnswers_;
    std::deque<QString> saveAnswers_;
    std::deque<QString> folderAnswers_;
    std::vector<ShownMessage> messages_;
    std::vector<ui::FileRequest> openRequests_;
    std::vector<ui::FileRequest> saveRequests_;
    QStringList folderPrompts_;
    int beeps_ = 0;
};

}  // namespace qv::test
