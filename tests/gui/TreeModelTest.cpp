#include <QAbstractItemModelTester>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "TreeCopies.h"
#include "model/Mission.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/TreeModel.h"

using qv::ui::MissionTreeView;
using qv::ui::TreeModel;

namespace {

qv::CarEntry car(std::string model, std::vector<std::string> components = {}) {
    return {std::move(model), "1", "2", "3", "4", std::move(components)};
}

// The model's texts in pre-order, one TAB per level, as the tree text files hold them.
QString dump(const QAbstractItemModel& model, const QModelIndex& parent = {}, int level = 0) {
    QString text;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        text += QString(level, QLatin1Char('\t')) + index.data().toString() + QLatin1Char('\n');
        text += dump(model, index, level + 1);
    }
    return text;
}

QString dump(const qv::TextTree& tree) {
    QString text;
    tree.forEachPreOrder([&](const qv::TreeNode& node, int level) {
        text += QString(level, QLatin1Char('\t')) + QString::fromStdString(node.text()) +
                QLatin1Char('\n');
    });
    return text;
}

}  // namespace

class TreeModelTest : public QObject {
    Q_OBJECT

  private slots:
    void followsEveryChangeOfTheTree();
    void editsOnlyThroughItsHook();
    void theViewSelectsRowsAndForgetsRemovedOnes();
    void aRowThatComesInIsSelectedAndOpened();
    void rowsAreDroppedInTheirNewPlace();
    void longLinesScrollAndShowTheirWholeTextWhenCut();
    void theFrameIsDrawnWholeAtEveryScale();
};

void TreeModelTest::followsEveryChangeOfTheTree() {
    qv::Mission mission;
    TreeModel model(mission.carTree());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    mission.appendCar(car("ELEGY"));
    mission.appendCar(car("INFERNUS", {"#NTO_B_L", "#WHEEL_SR6"}));
    QCOMPARE(dump(model), dump(mission.carTree()));
    QVERIFY(!inserted.isEmpty());
    QVERIFY(!changed.isEmpty());  // the root's count

    mission.changeCar(2, car("BANSHEE"));
    QCOMPARE(dump(model), dump(mission.carTree()));
    QVERIFY(!model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));

    mission.removeRow(qv::MissionPart::Cars, mission.carCount());
    QCOMPARE(dump(model), dump(mission.carTree()));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Машины (1 всего)"));

    // Loading replaces the whole tree.
    qv::Mission other;
    for (const char* name : {"A", "B", "C"}) {
        other.appendCar(car(name));
    }
    mission.replace(other.data(), qv::test::copyTrees(other));
    QCOMPARE(dump(model), dump(mission.carTree()));
    const QModelIndex third = model.index(2, 0, model.index(0, 0));
    QCOMPARE(model.node(third), mission.carTree().root()->child(2));
    QCOMPARE(model.indexOf(model.node(third)), third);
    QCOMPARE(model.parent(third), model.index(0, 0));
}

void TreeModelTest::editsOnlyThroughItsHook() {
    qv::Mission mission;
    mission.appendEvent({"and", {"0038: $a == 1"}, {"wait 0"}});
    TreeModel model(mission.eventsTree());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEditHook(
        [&mission](qv::TreeNode& node, const std::string& text) {
            return mission.editEventLine(node, text);
        },
        [&mission](const qv::TreeNode& node) { return mission.isEventLine(node); });

    const QModelIndex event = model.index(0, 0, model.index(0, 0));
    const QModelIndex condition = model.index(0, 0, model.index(0, 0, event));
    QVERIFY(!model.flags(event).testFlag(Qt::ItemIsEditable));
    QVERIFY(model.flags(condition).testFlag(Qt::ItemIsEditable));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(condition, QStringLiteral("0038: $a == 2"), Qt::EditRole));
    QCOMPARE(mission.event(1).Conditions, std::vector<std::string>{"0038: $a == 2"});
    QCOMPARE(changed.size(), 1);
    QVERIFY(!model.setData(condition, QString(), Qt::EditRole));  // the tree refuses
    QVERIFY(!model.setData(event, QStringLiteral("x"), Qt::EditRole));
    QCOMPARE(condition.data().toString(), QStringLiteral("0038: $a == 2"));
}

void TreeModelTest::theViewSelectsRowsAndForgetsRemovedOnes() {
    qv::Mission mission;
    mission.appendCar(car("A"));
    mission.appendCar(car("B"));
    MissionTreeView view(mission.carTree(), QStringLiteral("CarTree"));
    QVERIFY(view.isHeaderHidden());
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    QSignalSpy selected(&view, &MissionTreeView::selectedNodeChanged);

    view.selectRow(2);
    const qv::TreeNode* second = mission.carTree().root()->child(1);
    QCOMPARE(view.selectedNode(), second);
    QCOMPARE(view.selectedRow(), 2);
    QVERIFY(view.isExpanded(view.treeModel().indexOf(mission.carTree().root())));
    QVERIFY(view.isExpanded(view.treeModel().indexOf(second)));
    QCOMPARE(selected.size(), 1);

    view.selectNode(second->child(0));
    QCOMPARE(view.selectedRow(), 0);

    view.selectRow(2);
    mission.removeRow(qv::MissionPart::Cars, mission.carCount());
    QCOMPARE(view.selectedNode(), nullptr);
    QCOMPARE(selected.last().at(0).value<const qv::TreeNode*>(), nullptr);

    view.selectRow(1);
    mission.replace(mission.data(), qv::test::copyTrees(mission));
    QCOMPARE(view.selectedNode(), nullptr);
    QCOMPARE(selected.last().at(0).value<const qv::TreeNode*>(), nullptr);
}

void TreeModelTest::aRowThatComesInIsSelectedAndOpened() {
    qv::Mission mission;
    MissionTreeView view(mission.carTree(), QStringLiteral("CarTree"));
    view.resize(200, 60);
    for (const char* model : {"A", "B", "C", "D", "E", "F"}) {
        mission.appendCar(car(model));
    }
    QCOMPARE(view.selectedRow(), 6);
    const QModelIndex last = view.treeModel().indexOf(mission.carTree().root()->child(5));
    QVERIFY(view.isExpanded(last));
    QVERIFY(view.viewport()->rect().intersects(view.visualRect(last)));  // scrolled to
    mission.insertCar(2, car("G"));
    QCOMPARE(view.selectedRow(), 2);
    mission.moveRow(qv::MissionPart::Cars, 2, 5);
    QCOMPARE(view.selectedRow(), 5);
}

void TreeModelTest::rowsAreDroppedInTheirNewPlace() {
    qv::Mission mission;
    for (const char* model : {"A", "B", "C", "D"}) {
        mission.appendCar(car(model));
    }
    TreeModel model(mission.carTree());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QModelIndex root = model.index(0, 0);
    QVERIFY(!model.flags(root).testFlag(Qt::ItemIsDragEnabled));  // no hook: nothing moves
    model.setMoveHook(
        [&mission](int from, int to) { mission.moveRow(qv::MissionPart::Cars, from, to); });
    QVERIFY(!model.flags(root).testFlag(Qt::ItemIsDragEnabled));
    QVERIFY(model.flags(model.index(0, 0, root)).testFlag(Qt::ItemIsDragEnabled));
    QVERIFY(
        !model.flags(model.index(0, 0, model.index(0, 0, root))).testFlag(Qt::ItemIsDragEnabled));

    const auto drag = [&](int row) {
        return std::unique_ptr<QMimeData>(model.mimeData({model.index(row - 1, 0, root)}));
    };
    const auto models = [&] {
        std::string text;
        for (int row = 1; row <= mission.carCount(); ++row) {
            text += mission.car(row).Model;
        }
        return text;
    };
    // Row 1 between rows 3 and 4, then row 4 before the first, then row 2 below the last; never
    // onto a row.
    QVERIFY(model.dropMimeData(drag(1).get(), Qt::MoveAction, 3, 0, root));
    QCOMPARE(models(), "BCAD");
    QVERIFY(!model.dropMimeData(drag(4).get(), Qt::MoveAction, -1, 0, model.index(0, 0, root)));
    QVERIFY(model.dropMimeData(drag(4).get(), Qt::MoveAction, 0, 0, root));
    QCOMPARE(models(), "DBCA");
    QVERIFY(model.dropMimeData(drag(2).get(), Qt::MoveAction, -1, 0, root));
    QCOMPARE(models(), "DCAB");
    QCOMPARE(dump(model), dump(mission.carTree()));

    // Nowhere else: a row of another tree, or onto a node inside a row.
    qv::Mission other;
    other.appendCar(car("X"));
    other.appendCar(car("Y"));
    TreeModel otherModel(other.carTree());
    std::unique_ptr<QMimeData> foreign(
        otherModel.mimeData({otherModel.index(0, 0, otherModel.index(0, 0))}));
    QVERIFY(!model.dropMimeData(foreign.get(), Qt::MoveAction, 0, 0, root));
    // Another running editor's drag says what this one's would.
    const std::unique_ptr<QMimeData> own = drag(1);
    QMimeData fromAnotherEditor;
    for (const QString& format : own->formats()) {
        fromAnotherEditor.setData(format, own->data(format));
    }
    QVERIFY(!model.dropMimeData(&fromAnotherEditor, Qt::MoveAction, 3, 0, root));
    QCOMPARE(models(), "DCAB");
    QVERIFY(!model.dropMimeData(drag(1).get(), Qt::MoveAction, -1, 0,
                                model.index(0, 0, model.index(2, 0, root))));
    QCOMPARE(models(), "DCAB");

    // In a view a row dragged over the middle of another lands just above or just below it,
    // where the marker's line is drawn, never onto it. (A test's drag has no source, so the view
    // takes any drag; the editor's trees take only their own.)
    MissionTreeView view(mission.carTree(), QStringLiteral("CarTree"));
    view.treeModel().setMoveHook(
        [&mission](int from, int to) { mission.moveRow(qv::MissionPart::Cars, from, to); });
    view.setDragDropMode(QAbstractItemView::DragDrop);
    view.collapseAll();
    view.expand(view.treeModel().index(0, 0));
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto dropOver = [&view](int from, int over, int offset) {
        const QModelIndex viewRoot = view.treeModel().index(0, 0);
        const std::unique_ptr<QMimeData> data(
            view.treeModel().mimeData({view.treeModel().index(from - 1, 0, viewRoot)}));
        const QRect rect = view.visualRect(view.treeModel().index(over - 1, 0, viewRoot));
        const QPoint point(rect.center().x(), rect.center().y() + offset);
        QDragEnterEvent enter(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &enter);
        QDragMoveEvent move(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &move);
        QDropEvent drop(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &drop);
        return move.isAccepted();
    };
    QVERIFY(dropOver(1, 3, -1));  // the upper half of row 3: between rows 2 and 3
    QCOMPARE(models(), "CDAB");
    QVERIFY(dropOver(1, 3, 1));  // the lower half: between rows 3 and 4
    QCOMPARE(models(), "DACB");
}

void TreeModelTest::longLinesScrollAndShowTheirWholeTextWhenCut() {
    qv::Mission mission;
    const std::string caption = "По обычным транспортным путям, а дальше ещё очень длинная строка";
    mission.appendCheckpoint({}, caption);
    MissionTreeView view(mission.checkpointTree(), QStringLiteral("CheckpTree"));
    view.resize(260, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.expandAll();
    const QModelIndex line =
        view.treeModel().indexOf(mission.checkpointTree().root()->child(0)->child(1));
    const QString text = line.data().toString();
    QTRY_VERIFY(view.columnWidth(0) > view.fontMetrics().horizontalAdvance(text));
    QTRY_VERIFY(view.horizontalScrollBar()->maximum() > 0);

    const auto hover = [&](const QModelIndex& index) {
        const QPoint at = view.visualRect(index).topLeft() + QPoint(30, 3);
        QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view.viewport(), &help);
    };
    hover(line);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), text);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    hover(view.treeModel().index(0, 0));  // "Чекпоинты (1 всего)" is whole
    QVERIFY(!QToolTip::isVisible());
}

void TreeModelTest::theFrameIsDrawnWholeAtEveryScale() {
    qv::Mission mission;
    MissionTreeView view(mission.carTree(), QStringLiteral("CarTree"));
    view.resize(200, 150);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Drawn as on a screen scaled by each factor: each of the four sides has a line darker than
    // the tree's white, in its outermost pixels.
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
        QPixmap pixmap(view.size() * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::white);
        view.render(&pixmap);
        const QImage image = pixmap.toImage();
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        const int across = int(2 * scale);  // the frame's pixels, however they are rounded
        const auto darkWithin = [&](QPoint from, QPoint step) {
            for (int i = 0; i < across; ++i) {
                const QPoint p = from + step * i;
                if (qGray(image.pixel(p)) < 235) {
                    return true;
                }
            }
            return false;
        };
        const QString at = QString::number(scale);
        QVERIFY2(darkWithin({0, bottom / 2}, {1, 0}), qPrintable(at));
        QVERIFY2(darkWithin({right, bottom / 2}, {-1, 0}), qPrintable(at));
        QVERIFY2(darkWithin({right / 2, 0}, {0, 1}), qPrintable(at));
        QVERIFY2(darkWithin({right / 2, bottom}, {0, -1}), qPrintable(at));
    }
}

QTEST_MAIN(TreeModelTest)
#include "TreeModelTest.moc"
