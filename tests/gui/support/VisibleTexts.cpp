#include "VisibleTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <algorithm>

#include "ScriptedDialogs.h"

namespace qv::test {

namespace {

// A tree's rows beyond this many are left out: the program's texts are in its first rows.
constexpr int MostItems = 400;

QString nameOf(const QObject& object) {
    return object.objectName().isEmpty() ? QString::fromLatin1(object.metaObject()->className())
                                         : object.objectName();
}

// The widget's named ancestors below `window`, and the widget, joined by '/'; Qt's own inner
// widgets (qt_...) are left out.
QString pathOf(const QWidget& widget, const QWidget& window) {
    QStringList names{nameOf(widget)};
    for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window;
         up = up->parentWidget()) {
        if (!up->objectName().isEmpty() && !up->objectName().startsWith(QStringLiteral("qt_"))) {
            names.prepend(up->objectName());
        }
    }
    names.prepend(nameOf(window));
    return names.join(QLatin1Char('/'));
}

// The window's title; for one without (a popup list, a menu), its name and its owner's: the
// field whose completer it is, or its parent.
QString titleOf(const QWidget& window) {
    if (!window.windowTitle().isEmpty()) {
        return window.windowTitle();
    }
    for (const QWidget* widget : QApplication::allWidgets()) {
        const auto* field = qobject_cast<const QLineEdit*>(widget);
        if (field != nullptr && field->completer() != nullptr &&
            field->completer()->popup() == &window) {
            return QStringLiteral("completer of ") + pathOf(*field, *field->window());
        }
    }
    QString title = nameOf(window);
    if (const QWidget* owner = window.parentWidget()) {
        title += QStringLiteral(" of ") + pathOf(*owner, *owner->window());
    }
    return title;
}

bool insideComboBox(const QObject& object) {
    for (const QObject* up = object.parent(); up != nullptr; up = up->parent()) {
        if (qobject_cast<const QComboBox*>(up) != nullptr) {
            return true;
        }
    }
    return false;
}

class Collector {
  public:
    explicit Collector(const QWidget& window) : window_(window), title_(titleOf(window)) {}

    void add(const QString& widget, const QString& part, const QString& text) {
        if (!text.trimmed().isEmpty()) {
            addTexts(texts, {{title_, widget, part, text}});
        }
    }

    void addAction(const QString& where, const QAction& action) {
        const QString at = where + QLatin1Char('/') + nameOf(action);
        add(at, QStringLiteral("action"), action.text());
        add(at, QStringLiteral("action tooltip"), action.toolTip());
        add(at, QStringLiteral("action status tip"), action.statusTip());
        add(at, QStringLiteral("action what's this"), action.whatsThis());
        if (action.menu() != nullptr) {
            add(at, QStringLiteral("menu title"), action.menu()->title());
        }
    }

    void addModel(const QString& where, const QAbstractItemModel& model) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QString part = QStringLiteral("header %1").arg(column);
            add(where, part, model.headerData(column, Qt::Horizontal).toString());
            add(where, part + QStringLiteral(" tooltip"),
                model.headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
        }
        int items = 0;
        addRows(where, model, QModelIndex(), {}, items);
    }

    void addWidget(const QWidget& widget) {
        const QString where = pathOf(widget, window_);
        add(where, QStringLiteral("tooltip"), widget.toolTip());
        add(where, QStringLiteral("status tip"), widget.statusTip());
        add(where, QStringLiteral("what's this"), widget.whatsThis());
        if (widget.isWindow()) {
            add(where, QStringLiteral("title"), widget.windowTitle());
        }
        for (const QAction* action : widget.actions()) {
            addAction(where, *action);
        }
        if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
            add(where, QStringLiteral("text"), label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
            add(where, QStringLiteral("text"), button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
            add(where, QStringLiteral("title"), group->title());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(where, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
                add(where, QStringLiteral("tab %1 tooltip").arg(i), tabs->tabToolTip(i));
            }
        } else if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
            add(where, QStringLiteral("menu title"), menu->title());
        } else if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
            add(where, QStringLiteral("placeholder"), line->placeholderText());
            if (line->isReadOnly()) {
                add(where, QStringLiteral("text"), line->text());
            }
        } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&widget)) {
            add(where, QStringLiteral("placeholder"), plain->placeholderText());
        } else if (const auto* rich = qobject_cast<const QTextEdit*>(&widget)) {
            add(where, QStringLiteral("placeholder"), rich->placeholderText());
            if (rich->isReadOnly()) {
                add(where, QStringLiteral("text"), rich->toPlainText());
            }
        } else if (const auto* spin = qobject_cast<const QSpinBox*>(&widget)) {
            add(where, QStringLiteral("prefix"), spin->prefix());
            add(where, QStringLiteral("suffix"), spin->suffix());
            add(where, QStringLiteral("special value"), spin->specialValueText());
        } else if (const auto* number = qobject_cast<const QDoubleSpinBox*>(&widget)) {
            add(where, QStringLiteral("prefix"), number->prefix());
            add(where, QStringLiteral("suffix"), number->suffix());
            add(where, QStringLiteral("special value"), number->specialValueText());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
            add(where, QStringLiteral("placeholder"), combo->placeholderText());
            for (int i = 0; i < std::min(combo->count(), MostItems); ++i) {
                add(where, QStringLiteral("item %1").arg(i), combo->itemText(i));
            }
        } else if (const auto* status = qobject_cast<const QStatusBar*>(&widget)) {
            add(where, QStringLiteral("message"), status->currentMessage());
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget)) {
            // A combo box's list is its items, taken above; a header is its view's.
            if (view->model() != nullptr && !insideComboBox(*view) &&
                qobject_cast<const QHeaderView*>(view) == nullptr) {
                addModel(where, *view->model());
            }
        }
    }

    std::vector<VisibleText> texts;

  private:
    // The rows under `parent`, each named by its row numbers from the top ("row 2.0 column 0").
    void addRows(const QString& where, const QAbstractItemModel& model, const QModelIndex& parent,
                 const QString& above, int& items) {
        for (int row = 0; row < model.rowCount(parent) && items < MostItems; ++row) {
            const QString place = above + QString::number(row);
            for (int column = 0; column < model.columnCount(parent); ++column, ++items) {
                const QModelIndex index = model.index(row, column, parent);
                const QString part = QStringLiteral("row %1 column %2").arg(place).arg(column);
                add(where, part, index.data().toString());
                add(where, part + QStringLiteral(" tooltip"),
                    index.data(Qt::ToolTipRole).toString());
                if (column == 0 && model.hasChildren(index)) {
                    addRows(where, model, index, place + QLatin1Char('.'), items);
                }
            }
        }
    }

    const QWidget& window_;
    QString title_;
};

}  // namespace

QString VisibleText::describe() const {
    return QStringLiteral("[%1] %2 (%3): \"%4\"")
        .arg(window, widget, part,
             QString(text)
                 .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
                 .replace(QLatin1Char('\n'), QStringLiteral("\\n")));
}

std::vector<VisibleText> visibleTexts(const QWidget& window) {
    Collector collector(window);
    collector.addWidget(window);
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        // A window of its own is walked as one.
        if (!child->isWindow() || qobject_cast<const QMenu*>(child) != nullptr) {
            collector.addWidget(*child);
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        collector.addAction(nameOf(window), *action);
    }
    return std::move(collector.texts);
}

std::vector<VisibleText> visibleTexts(const ShownMessage& message) {
    const QString window = QStringLiteral("message box");
    const QString owner = message.owner != nullptr ? nameOf(*message.owner) : QStringLiteral("-");
    std::vector<VisibleText> texts;
    for (const auto& [part, text] : {std::pair(QStringLiteral("title"), message.title),
                                     std::pair(QStringLiteral("text"), message.text)}) {
        if (!text.trimmed().isEmpty()) {
            texts.push_back({window, owner, part, text});
        }
    }
    return texts;
}

void addTexts(std::vector<VisibleText>& texts, const std::vector<VisibleText>& more) {
    const auto key = [](const VisibleText& text) {
        return text.widget + QChar(0) + text.part + QChar(0) + text.text;
    };
    QSet<QString> known;
    for (const VisibleText& text : texts) {
        known.insert(key(text));
    }
    for (const VisibleText& text : more) {
        if (!known.contains(key(text))) {
            known.insert(key(text));
            texts.push_back(text);
        }
    }
}

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

}  // namespace qv::test
