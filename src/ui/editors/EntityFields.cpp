#include "ui/editors/EntityFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "ui/common/Controls.h"
#include "ui/common/Look.h"
#include "ui/common/TextFields.h"
#include "ui/main/EditorApp.h"
#include "ui/main/PositionCaptureCommand.h"

namespace qv::ui {

namespace {

constexpr const char* FieldNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
// The axes' letters read the same in every language.
constexpr const char* FieldLabels[] = {"X", "Y", "Z",
                                       QT_TRANSLATE_NOOP("qv::ui::CoordinateGroup", "Угол")};

std::string textOf(const QLineEdit* field) {
    return field != nullptr ? field->text().toStdString() : std::string();
}

}  // namespace

QLineEdit* makeModelField(const char* objectName, QWidget* parent) {
    auto* field = makeLineEdit(objectName, {}, parent);
    makeUpperCase(*field);
    look::setTextLook(*field, look::monoFont(true), look::Maroon);
    return field;
}

QLabel* makeModelLabel(const QString& text, QWidget* parent) {
    auto* label = makeLabel(text, parent);
    look::setTextLook(*label, look::monoFont(true), look::Maroon);
    return label;
}

CoordinateGroup::CoordinateGroup(EditorApp& app, const QString& title, AngleField angle,
                                 QWidget* parent)
    : QGroupBox(title, parent) {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const int count = angle == AngleField::None ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        auto* field = makeLineEdit(FieldNames[i], {}, this);
        field->setText(QStringLiteral("0.00"));
        look::setTextLook(*field, look::monoFont(), look::Maroon);
        installCoordinateTidy(*field, TidyWhen::FocusLeft);
        fields_[size_t(i)] = field;
        grid->addWidget(makeLabel(tr(FieldLabels[i]), this), i, 0);
        grid->addWidget(field, i, 1);
    }
    auto* capture = makeCaptureButton("SpeedButton1", this);
    grid->addWidget(capture, 0, 2, Qt::AlignLeft | Qt::AlignTop);
    QLineEdit* capturedAngle = angle == AngleField::Captured ? fields_[3] : nullptr;
    app.connectCommand(capture, &QToolButton::clicked, this, [&app, this, capturedAngle] {
        capturePosition(app, {fields_[0], fields_[1], fields_[2], capturedAngle});
    });
}

std::string CoordinateGroup::x() const {
    return textOf(fields_[0]);
}

std::string CoordinateGroup::y() const {
    return textOf(fields_[1]);
}

std::string CoordinateGroup::z() const {
    return textOf(fields_[2]);
}

std::string CoordinateGroup::angle() const {
    return textOf(fields_[3]);
}

void CoordinateGroup::setTexts(const std::string& x, const std::string& y, const std::string& z,
                               const std::string& angle) {
    const std::string* texts[] = {&x, &y, &z, &angle};
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] != nullptr) {
            fields_[i]->setText(QString::fromStdString(*texts[i]));
        }
    }
}

}  // namespace qv::ui
