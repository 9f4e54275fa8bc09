#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace qv::test {

struct ShownMessage;

// One text the user can read, and where: the window (its title, or its objectName when it has
// none), the widget's chain of objectNames from that window down (unnamed links shown by their
// class), and what of the widget it is ("text", "tooltip", "tab 2", "item 3", "header 1"...).
struct VisibleText {
    QString window;
    QString widget;
    QString part;
    QString text;

    // "[window] widget (part): "text"", for a report.
    QString describe() const;
    bool operator==(const VisibleText&) const = default;
};

// Every text the program puts on `window` and its children, shown or waiting to be shown in
// another state of the window: titles, labels, buttons, check boxes, group boxes, tabs, menus
// and their actions, tooltips, status tips, the status bar's message, placeholders, spin box
// prefixes and suffixes, combo box items, and the headers and rows of trees, tables and lists.
// What the user typed (editable fields, the script's text) is not the program's text and is
// left out.
std::vector<VisibleText> visibleTexts(const QWidget& window);

// The title and text of a message box the editor asked for.
std::vector<VisibleText> visibleTexts(const ShownMessage& message);

// Adds the texts of `more` not yet in `texts`.
void addTexts(std::vector<VisibleText>& texts, const std::vector<VisibleText>& more);

// Whether `text` holds a Cyrillic letter.
bool hasCyrillic(const QString& text);

}  // namespace qv::test
