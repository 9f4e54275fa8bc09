#include "ScriptedDialogs.h"

#include <QTest>

namespace qv::test {

namespace {

QString takeFirst(std::deque<QString>& answers) {
    if (answers.empty()) {
        return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

const ShownMessage& ScriptedDialogs::lastMessage() const {
    if (messages_.empty()) {
        QTest::qFail("no message box was shown", __FILE__, __LINE__);
        static const ShownMessage none{};
        return none;
    }
    return messages_.back();
}

void ScriptedDialogs::clearRecords() {
    messages_.clear();
    openRequests_.clear();
    saveRequests_.clear();
    folderPrompts_.clear();
    beeps_ = 0;
}

ui::MessageButton ScriptedDialogs::message(const ui::MessageRequest& request) {
    messages_.push_back({request.title, request.text, request.icon, request.buttons, request.owner,
                         request.owner == nullptr, request.detail});
    if (!messageAnswers_.empty()) {
        const ui::MessageButton answer = messageAnswers_.front();
        messageAnswers_.pop_front();
        return answer;
    }
    for (const auto button : {ui::MessageButton::Ok, ui::MessageButton::Yes, ui::MessageButton::No,
                              ui::MessageButton::Cancel}) {
        if (request.buttons.testFlag(button)) {
            return button;
        }
    }
    return ui::MessageButton::NoButton;
}

QString ScriptedDialogs::openFile(const ui::FileRequest& request) {
    openRequests_.push_back(request);
    return takeFirst(openAnswers_);
}

QString ScriptedDialogs::saveFile(const ui::FileRequest& request) {
    saveRequests_.push_back(request);
    return takeFirst(saveAnswers_);
}

QString ScriptedDialogs::chooseFolder(QWidget* /*owner*/, const QString& prompt) {
    folderPrompts_.push_back(prompt);
    return takeFirst(folderAnswers_);
}

}  // namespace qv::test
