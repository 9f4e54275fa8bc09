#pragma once

#include "ui/common/Dialogs.h"

namespace qv::ui {

// The dialog layer as the user sees it: Qt's message boxes and file and folder dialogs.
class QtDialogs final : public Dialogs {
  public:
    MessageButton message(const MessageRequest& request) override;
    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(QWidget* owner, const QString& prompt) override;
    void beep() override;
};

// `path` with "." and `suffix` appended when its file name has no extension.
QString withDefaultSuffix(const QString& path, const QString& suffix);

}  // namespace qv::ui
