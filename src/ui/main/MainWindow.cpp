#include "ui/main/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include "ui/common/Icons.h"
#include "ui/common/MenuStyle.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/StatusHints.h"
#include "ui/main/BasePage.h"
#include "ui/main/CarsPage.h"
#include "ui/main/CheckpointsPage.h"
#include "ui/main/EditMenu.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MissionCommands.h"
#include "ui/main/OtherPage.h"
#include "ui/main/RecentProjectsMenu.h"
#include "ui/map/MapWindow.h"
#include "ui/recorder/RecorderWindow.h"

namespace qv::ui {

namespace {

constexpr Qt::WindowFlags MainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

MainWindow::MainWindow(EditorApp& app) : QMainWindow(nullptr, MainWindowFlags), app_(app) {
    setObjectName(QStringLiteral("Form1"));
    showTitle();
    setAcceptDrops(true);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    carsPage_ = new CarsPage(app, tabs_);
    checkpointsPage_ = new CheckpointsPage(app, tabs_);
    pages_ = {new BasePage(app, tabs_), carsPage_, checkpointsPage_, new OtherPage(app, tabs_)};
    tabs_->addTab(pages_[0], icons::startFlag(), tr("Базовые параметры миссии"));
    tabs_->addTab(pages_[1], icons::car(), tr("Параметры машин"));
    tabs_->addTab(pages_[2], icons::checkpoint(), tr("Чекпоинты"));
    tabs_->addTab(pages_[3], icons::settings(), tr("Прочие параметры"));
    setCentralWidget(tabs_);

    statusBar()->setSizeGripEnabled(false);
    new StatusHints(*statusBar());

    missionTest_ = new QAction(tr("Проверка скрипта миссии после создания"), this);
    missionTest_->setObjectName(QStringLiteral("AMissionTestCheck"));
    missionTest_->setCheckable(true);

    buildMenus();
    MenuStyle::apply(*menuBar());

    for (ParameterPage* page : pages_) {
        connect(page, &ParameterPage::edited, this, [this] {
            if (!showing_) {
                storeParameters();
            }
        });
    }
    app.mission().addObserver(this);
    carsPage_->setCarCount(app.mission().carCount());
    showParameters();

    // The client area lies below the menu bar, which the system draws outside it.
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    centreOnScreen();
}

MainWindow::~MainWindow() {
    app_.mission().removeObserver(this);
}

MissionTreeView& MainWindow::carTree() const {
    return carsPage_->carTree();
}

MissionTreeView& MainWindow::checkpointTree() const {
    return checkpointsPage_->checkpointTree();
}

void MainWindow::buildMenus() {
    const auto addCommand = [this](QMenu* menu, const char* name, const QString& text,
                                   const QKeySequence& shortcut, std::function<void()> command) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        app_.connectCommand(action, &QAction::triggered, this, std::move(command));
    };

    QMenu* file = menuBar()->addMenu(tr("&Файл"));
    addCommand(file, "OpenAction", tr("&Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O),
               [this] { openProject(app_); });
    addCommand(file, "SaveAsAction", tr("Со&хранить как..."), QKeySequence(Qt::CTRL | Qt::Key_S),
               [this] { saveProjectAs(app_); });
    addCommand(file, "SaveAction", tr("Сохранить"), {}, [this] { saveProjectInPlace(app_); });
    file->addMenu(new RecentProjectsMenu(app_, file));
    file->addSeparator();
    addCommand(file, "OptionsAction", tr("&Настройки программы..."), QKeySequence(Qt::Key_F10),
               [this] { app_.showWindow(WindowId::Options); });
    file->addSeparator();
    addCommand(file, "ExitAction", tr("В&ыход"), {}, [this] { close(); });

    menuBar()->addMenu(new EditMenu(app_, this));

    QMenu* script = menuBar()->addMenu(tr("&Скрипт"));
    addCommand(script, "BuildAction", tr("Построить"), QKeySequence(Qt::Key_F5),
               [this] { buildScript(app_); });
    addCommand(script, "CheckAction", tr("Проверить введённые данные"), {},
               [this] { checkMission(app_); });
    addCommand(script, "RouteMapAction", tr("Карта маршрута"), QKeySequence(Qt::CTRL | Qt::Key_M),
               [this] { showRouteMap(app_); });
    addCommand(script, "RouteRecorderAction", tr("Запись маршрута"),
               QKeySequence(Qt::CTRL | Qt::Key_R), [this] { showRouteRecorder(app_); });

    QMenu* help = menuBar()->addMenu(tr("&Помощь"));
    addCommand(help, "AboutAction", tr("&О программе..."), {},
               [this] { app_.showWindow(WindowId::About); });
}

void MainWindow::centreOnScreen() {
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

void MainWindow::storeParameters() {
    MissionParameters parameters = app_.mission().parameters();
    for (const ParameterPage* page : pages_) {
        page->storeParameters(parameters);
    }
    app_.mission().setParameters(parameters);
}

void MainWindow::showParameters() {
    const QScopedValueRollback guard(showing_, true);
    const MissionParameters& parameters = app_.mission().parameters();
    for (ParameterPage* page : pages_) {
        page->showParameters(parameters);
    }
}

void MainWindow::missionChanged(MissionPart part) {
    switch (part) {
        case MissionPart::Parameters:
            showParameters();
            break;
        case MissionPart::Cars:
            // Lowering the bound of PlayerCarNumber may lower its value, which is stored.
            carsPage_->setCarCount(app_.mission().carCount());
            break;
        case MissionPart::Everything: {
            {
                const QScopedValueRollback guard(showing_, true);
                carsPage_->setCarCount(app_.mission().carCount());
            }
            showParameters();
            // A loaded value that a control cannot hold (an IHBar of 9, an hour of 30) is kept
            // as the control holds it, so that the mission builds with what the user sees.
            storeParameters();
            break;
        }
        case MissionPart::Checkpoints:
        case MissionPart::Objects:
        case MissionPart::Events:
            break;
    }
}

void MainWindow::showTab(MissionTab tab) {
    if (tab != MissionTab::None) {
        tabs_->setCurrentIndex(static_cast<int>(tab));
    }
}

void MainWindow::revealInputError(const InputCheckError& error) {
    showTab(error.tab());
    if (error.carRow() > 0) {
        carTree().selectRow(error.carRow());
        carTree().setFocus();
    }
}

void MainWindow::showTitle() {
    const std::string& path = app_.projectPath();
    QString title = QStringLiteral("Quorvane 0.9");
    const QString modified = app_.mission().modified() ? QStringLiteral("*") : QString();
    if (!path.empty()) {
        title = QFileInfo(QString::fromStdString(path)).fileName() + modified +
                QStringLiteral(" - ") + title;
    } else {
        title += modified;
    }
    setWindowTitle(title);
}

namespace {

// The project file a drag brings, if it brings exactly one .qvnx file.
QString droppedProject(const QMimeData* data) {
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QStringLiteral(".qvnx"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedProject(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedProject(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        app_.runCommand([&] { openProjectFile(app_, path); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        // With unsaved changes, the question about them is the only one.
        const bool changed = app_.mission().modified();
        bool mayClose = false;
        app_.runCommand([&] { mayClose = mayDiscardChanges(app_); });
        if (!mayClose) {
            event->ignore();
            return;
        }
        // Unless quitting leaves something undone that the user must know of.
        const std::string note = app_.quitNote();
        const QString question =
            note.empty()
                ? tr("Вы действительно хотите выйти?")
                : tr("Вы действительно хотите выйти?\n\n%1").arg(QString::fromStdString(note));
        const MessageButton answer =
            changed && note.empty()
                ? MessageButton::Ok
                : app_.dialogs().message({tr("Выход"), question, MessageIcon::Question,
                                          MessageButton::Ok | MessageButton::Cancel, nullptr});
        if (answer != MessageButton::Ok) {
            event->ignore();
            return;
        }
        // Nothing more is saved on the way out.
        closing_ = true;
        if (app_.exitTask()) {
            app_.runCommand(app_.exitTask());
        }
        app_.hideOtherWindows();
        QCoreApplication::exit(0);
    }
    event->accept();
}

}  // namespace qv::ui
