#pragma once

#include <QGroupBox>

class QLineEdit;
class QListWidget;

namespace qv::ui {

// "Пользовательский список моделей": the user's own list of object models, each entry
// Format("%s (#%s)", description, model). It lives only in this panel: empty at every start,
// never saved, read by nothing else. "« Выбрать" hands the chosen entry's model on.
class UserModelList final : public QGroupBox {
    Q_OBJECT

  public:
    static constexpr int DescriptionLength = 10;

    explicit UserModelList(QWidget* parent);

  signals:
    // "« Выбрать" was pressed with an entry selected: its model, as typed.
    void modelChosen(const QString& model);

  private:
    void addEntry();
    void removeEntry();
    void chooseEntry();

    QListWidget* list_;
    QLineEdit* description_;
    QLineEdit* model_;
};

}  // namespace qv::ui
