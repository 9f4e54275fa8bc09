#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <stdexcept>

#include "EditorFixture.h"
#include "model/Error.h"
#include "ui/common/Commands.h"
#include "ui/common/MenuStyle.h"
#include "ui/main/Startup.h"

using qv::test::EditorFixture;
using namespace qv::ui;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void createsTheFourteenWindowsOnceInOrderAllHidden();
    void theMainWindowHasAFixedClientAreaAndTheMenus();
    void menuItemsAreDrawnTwentyTwoPixelsHigh();
    void numbersUseADotUnderARussianLocale();
    void qtsOwnButtonsSpeakRussian();
    void everyWayOfClosingAsksAndCancelKeepsEverything();
    void okEndsTheProgramWithoutSavingAnything();
    void theGeneralErrorHandlerAppendsAFullStopOnlyAfterLetters();
    void commandsRunThroughTheGeneralErrorHandler();
    void buttonsAndMenuItemsShowTheirWindows();
};

void StartupTest::createsTheFourteenWindowsOnceInOrderAllHidden() {
    EditorFixture editor;
    const QStringList names = {"Form1",        "AddCar",       "AddCheckp", "Form4",
                               "ModifyCar",    "ModifyCheckp", "Form7",     "AddObject",
                               "ModifyObject", "Form10",       "AddEvent",  "ModifyEvent",
                               "About",        "Options"};
    const QStringList captions = {"Quorvane 0.9",   "Добавить машину", "Добавить чекпоинт",
                                  "Mission Script", "О программе",     "Настройки программы",
                                  "Объекты",        "События (beta)"};
    const std::vector<QWidget*> windows = editor.app().windows();
    QCOMPARE(int(windows.size()), WindowCount);
    for (int i = 0; i < WindowCount; ++i) {
        QCOMPARE(windows[size_t(i)]->objectName(), names[i]);
        QVERIFY2(windows[size_t(i)]->isHidden(), qPrintable(names[i]));
    }
    for (const QString& caption : captions) {
        QVERIFY2(std::any_of(windows.begin(), windows.end(),
                             [&](QWidget* w) { return w->windowTitle() == caption; }),
                 qPrintable(caption));
    }
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quorvane"));
    QCOMPARE(editor.app().workingFolder(), editor.files.currentFolder());
}

void StartupTest::theMainWindowHasAFixedClientAreaAndTheMenus() {
    EditorFixture editor;
    editor.showMainWindow();
    MainWindow& main = editor.mainWindow();
    QCOMPARE(main.width(), 633);
    QCOMPARE(main.height() - main.menuBar()->height(), 407);
    QCOMPARE(main.minimumSize(), main.maximumSize());
    QVERIFY(!main.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    const QStringList menus = {"&Файл", "&Правка", "&Скрипт", "&Помощь"};
    const QList<QAction*> bar = main.menuBar()->actions();
    QCOMPARE(bar.size(), menus.size());
    for (int i = 0; i < menus.size(); ++i) {
        QCOMPARE(bar[i]->text(), menus[i]);
    }
    const struct {
        const char* name;
        const char* text;
        QKeySequence keys;
    } items[] = {
        {"OpenAction", "&Открыть...", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"SaveAsAction", "Со&хранить как...", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"OptionsAction", "&Настройки программы...", QKeySequence(QStringLiteral("F10"))},
        {"ExitAction", "В&ыход", {}},
        {"BuildAction", "Построить", QKeySequence(QStringLiteral("F5"))},
        {"CheckAction", "Проверить введённые данные", {}},
        {"AboutAction", "&О программе...", {}},
    };
    for (const auto& item : items) {
        QAction& action = editor.action(QString::fromLatin1(item.name));
        QCOMPARE(action.text(), QString::fromUtf8(item.text));
        QCOMPARE(action.shortcut(), item.keys);
    }
    // "Сохранить" and "Последние проекты" follow "Сохранить как..."; separators stand before
    // the options item and before the exit item.
    const QList<QAction*> file = bar[0]->menu()->actions();
    QCOMPARE(file.size(), 8);
    QCOMPARE(file[1]->objectName(), QStringLiteral("SaveAsAction"));
    QCOMPARE(file[2]->text(), QStringLiteral("Сохранить"));
    QCOMPARE(file[3]->text(), QStringLiteral("Последние проекты"));
    QVERIFY(file[4]->isSeparator());
    QVERIFY(file[6]->isSeparator());
    QVERIFY(editor.action("AMissionTestCheck").isCheckable());
}

void StartupTest::menuItemsAreDrawnTwentyTwoPixelsHigh() {
    EditorFixture editor;
    QMenu* file = editor.mainWindow().menuBar()->actions().constFirst()->menu();
    auto* style = qobject_cast<MenuStyle*>(file->style());
    QVERIFY(style != nullptr);
    QCOMPARE(editor.mainWindow().menuBar()->style(), file->style());
    QStyleOptionMenuItem item;
    item.initFrom(file);
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.text = QStringLiteral("&Открыть...\tCtrl+O");
    QCOMPARE(style->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(80, 16), file).height(), 22);
    QCOMPARE(file->actionGeometry(file->actions().constFirst()).height(), 22);
    QCOMPARE(MenuStyle::SelectionBar, QColor(0xC5, 0xD8, 0xFC));
    QCOMPARE(MenuStyle::SelectionFrame, QColor(0x4B, 0x87, 0xF5));

    // The pop-up has a dark border, so that it does not merge into a white form behind it.
    file->popup(QPoint(0, 0));
    const QImage shown = file->grab().toImage();
    file->hide();
    const QRect first = file->actionGeometry(file->actions().constFirst());
    const int textArea = qGray(shown.pixel(first.right() - 2, first.center().y()));
    for (const QPoint border :
         {QPoint(0, first.center().y()), QPoint(shown.width() - 1, 4), QPoint(shown.width() / 2, 0),
          QPoint(shown.width() / 2, shown.height() - 1)}) {
        QVERIFY2(qGray(shown.pixel(border)) < textArea - 60,
                 qPrintable(QStringLiteral("%1,%2").arg(border.x()).arg(border.y())));
    }
}

void StartupTest::numbersUseADotUnderARussianLocale() {
    // The user's system speaks Russian, with "," as its decimal separator.
    std::setlocale(LC_ALL, "ru_RU.UTF-8");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EditorFixture editor;

    QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
    QCOMPARE(QLocale().toString(1.5, 'f', 2), QStringLiteral("1.50"));
    QCOMPARE(std::localeconv()->decimal_point, std::string("."));
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.2f", 2.5);
    QCOMPARE(QString::fromLatin1(printed), QStringLiteral("2.50"));

    // A position taken from the game is written with a dot.
    editor.game.placePlayer(2488.5601f, -1666.84f, 13.38f, 0.0f);
    editor.click("GetCoordBtn1");
    QCOMPARE(editor.get<QLineEdit>("AStartX").text(), QStringLiteral("2488.56"));
    QCOMPARE(editor.mission().parameters().AStartY, std::string("-1666.84"));
}

void StartupTest::qtsOwnButtonsSpeakRussian() {
    EditorFixture editor;
    if (!installTranslations(*qApp, qv::Language::Russian)) {
        QSKIP("Qt's Russian translations are not installed here");
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

void StartupTest::everyWayOfClosingAsksAndCancelKeepsEverything() {
    EditorFixture editor;
    editor.showMainWindow();
    editor.type("AMissionName", "KEEPME");
    editor.mission().markSaved();  // no unsaved changes: the question is the one of exiting
    editor.app().showWindow(WindowId::Options);
    editor.dialogs.answerMessage(MessageButton::Cancel);
    editor.dialogs.answerMessage(MessageButton::Cancel);

    QVERIFY(!editor.mainWindow().close());  // the title-bar button and the system menu
    editor.action("ExitAction").trigger();  // "В&ыход"

    QCOMPARE(int(editor.dialogs.messages().size()), 2);
    for (const auto& shown : editor.dialogs.messages()) {
        QCOMPARE(shown.title, QStringLiteral("Выход"));
        QCOMPARE(shown.text, QStringLiteral("Вы действительно хотите выйти?"));
        QCOMPARE(shown.icon, MessageIcon::Question);
        QCOMPARE(shown.buttons, MessageButton::Ok | MessageButton::Cancel);
        QVERIFY(shown.ownerless);
    }
    QVERIFY(editor.mainWindow().isVisible());
    QVERIFY(editor.window(WindowId::Options).isVisible());
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("KEEPME"));
}

void StartupTest::okEndsTheProgramWithoutSavingAnything() {
    EditorFixture editor;
    editor.showMainWindow();
    editor.app().showWindow(WindowId::Objects);
    editor.app().showWindow(WindowId::About);
    editor.dialogs.answerMessage(MessageButton::Ok);

    QVERIFY(editor.mainWindow().close());

    for (QWidget* window : editor.app().windows()) {
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
    QCOMPARE(editor.files.writes(), 0);
    QVERIFY(editor.files.files.empty());
}

void StartupTest::theGeneralErrorHandlerAppendsAFullStopOnlyAfterLetters() {
    QCOMPARE(errorBoxText("Ошибка"), QStringLiteral("Ошибка."));
    QCOMPARE(errorBoxText("Указан неверный путь!"), QStringLiteral("Указан неверный путь!"));
    QCOMPARE(errorBoxText("Cannot open file \"x\". No such file"),
             QStringLiteral("Cannot open file \"x\". No such file."));
    QCOMPARE(errorBoxText("Invalid level (3) for item \"a\""),
             QStringLiteral("Invalid level (3) for item \"a\""));
    QCOMPARE(errorBoxText("Строка 12"), QStringLiteral("Строка 12."));
    QCOMPARE(errorBoxText("Конец."), QStringLiteral("Конец."));
    for (const char* ended : {"Заменить файл?", "Подождите…", "Причина:"}) {
        QCOMPARE(errorBoxText(QString::fromUtf8(ended)), QString::fromUtf8(ended));
    }
    QCOMPARE(errorBoxText("a; "), QStringLiteral("a; "));
    QCOMPARE(errorBoxText(""), QString());
}

void StartupTest::commandsRunThroughTheGeneralErrorHandler() {
    EditorFixture editor;
    QPushButton button;
    int received = 0;
    editor.app().connectCommand(&button, &QPushButton::clicked, &button, [&](bool checked) {
        received = checked ? 2 : 1;
        throw qv::Error("Ошибка");
    });
    button.click();
    QCOMPARE(received, 1);
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Quorvane"));
    QCOMPARE(shown.text, QStringLiteral("Ошибка."));
    QCOMPARE(shown.icon, MessageIcon::Error);
    QCOMPARE(shown.buttons, MessageButtons(MessageButton::Ok));

    // Any other exception is shown the same way and goes no further.
    runCommand(editor.dialogs, [] { throw std::runtime_error("disk on fire"); });
    QCOMPARE(editor.dialogs.lastMessage().text, QStringLiteral("disk on fire."));
    QCOMPARE(int(editor.dialogs.messages().size()), 2);
}

void StartupTest::buttonsAndMenuItemsShowTheirWindows() {
    EditorFixture editor;
    editor.click("ObjectsBtn");
    QVERIFY(editor.window(WindowId::Objects).isVisible());
    editor.click("EventsBtn");
    QVERIFY(editor.window(WindowId::Events).isVisible());
    editor.click("AddCarBtn");
    QVERIFY(editor.window(WindowId::AddCar).isVisible());
    editor.click("AddCheckpBtn");
    QVERIFY(editor.window(WindowId::AddCheckp).isVisible());
    editor.press(QKeySequence(Qt::Key_F10));
    QVERIFY(editor.window(WindowId::Options).isVisible());

    editor.action("AboutAction").trigger();
    QWidget& about = editor.window(WindowId::About);
    QVERIFY(about.isVisible());
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
    }
    QVERIFY(texts.contains(QStringLiteral("Quorvane")));
    QVERIFY(texts.contains(QStringLiteral("Версия 0.9")));
    editor.click("CloseBtn");
    QVERIFY(!about.isVisible());
    QVERIFY(editor.dialogs.messages().empty());
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
