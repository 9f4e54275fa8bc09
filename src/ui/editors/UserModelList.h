#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;

namespace qv::ui {

// "Пользовательский список моделей": the user's own list of object models, each entry
// Format("%s (#%s)", description, model). It lives only in this panel: empty at every start,
// never saved, read by nothing else. "« Выбрать" hands the chosen entry's model on. A model typed
// as a number, which Sanny Builder cannot compile after "#", enters the list by its name when the
// number is a known object's, and is refused with a hint otherwise.
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
    QLabel* hint_;
};

}  // namespace qv::ui
