#include "ui/common/ShownTreeText.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace qv::ui {

namespace {

constexpr const char* Context = "TreeTexts";

// The texts the model gives its nodes. "%1" stands for the part shown as it is: a number, or
// any text (a model name, an angle, a caption translated again below).
struct Pattern {
    const char* text;
    bool number;
};
constexpr std::array<Pattern, 15> Patterns = {{
    {QT_TRANSLATE_NOOP("TreeTexts", "Машины (%1 всего)"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Чекпоинты (%1 всего)"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Машина %1"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Чекпоинт %1"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Объект %1"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Событие %1"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Тюнинг-компоненты (%1)"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Скорость: %1.0"), true},
    {QT_TRANSLATE_NOOP("TreeTexts", "Модель: #%1"), false},
    {QT_TRANSLATE_NOOP("TreeTexts", "Угол: %1"), false},
    {QT_TRANSLATE_NOOP("TreeTexts", "Тип езды: %1"), false},
    {QT_TRANSLATE_NOOP("TreeTexts", "Координаты старта"), false},
    {QT_TRANSLATE_NOOP("TreeTexts", "Координаты"), false},
    {QT_TRANSLATE_NOOP("TreeTexts", "Объекты"), false},
    {QT_TRANSLATE_NOOP("TreeTexts", "События"), false},
}};

// The drive types a checkpoint's "Тип езды" names, as the checkpoint dialogs write them.
constexpr std::array<const char*, 6> Captions = {
    QT_TRANSLATE_NOOP("TreeTexts", "Гоночный "),
    QT_TRANSLATE_NOOP("TreeTexts", "Гоночный"),
    QT_TRANSLATE_NOOP("TreeTexts", "По обычным транспортным путям"),
    QT_TRANSLATE_NOOP("TreeTexts", "По обычным путям"),
    QT_TRANSLATE_NOOP("TreeTexts", "Напрямик"),
    QT_TRANSLATE_NOOP("TreeTexts", "Обычный (VC)"),
};

QString shownPart(const QString& part) {
    for (const char* caption : Captions) {
        if (part == QString::fromUtf8(caption)) {
            return QCoreApplication::translate(Context, caption);
        }
    }
    return part;
}

bool isNumber(const QString& part) {
    return std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

QString shownTreeText(const std::string& text) {
    const QString stored = QString::fromStdString(text);
    for (const auto& [pattern, number] : Patterns) {
        const QString source = QString::fromUtf8(pattern);
        const qsizetype hole = source.indexOf(QStringLiteral("%1"));
        if (hole < 0) {
            if (stored == source) {
                return QCoreApplication::translate(Context, pattern);
            }
            continue;
        }
        const QString head = source.left(hole);
        const QString tail = source.mid(hole + 2);
        if (stored.size() > head.size() + tail.size() && stored.startsWith(head) &&
            stored.endsWith(tail)) {
            const QString part = stored.mid(head.size(), stored.size() - head.size() - tail.size());
            if (number && !isNumber(part)) {
                continue;
            }
            return QCoreApplication::translate(Context, pattern).arg(shownPart(part));
        }
    }
    return stored;
}

}  // namespace qv::ui
