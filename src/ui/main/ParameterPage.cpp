#include "ui/main/ParameterPage.h"

#include <QLineEdit>

namespace qv::ui {

void ParameterPage::showText(QLineEdit& field, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (field.text() != shown) {
        field.setText(shown);
    }
}

std::string ParameterPage::textOf(const QLineEdit& field) {
    return field.text().toStdString();
}

}  // namespace qv::ui
