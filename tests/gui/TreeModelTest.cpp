#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

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

    mission.removeLastCar();
    QCOMPARE(dump(model), dump(mission.carTree()));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Машины (1 всего)"));

    // Loading replaces the whole tree.
    qv::Mission other;
    for (const char* name : {"A", "B", "C"}) {
        other.appendCar(car(name));
    }
    mission.replace(other.data(), other.cloneTrees());
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
        [&mission](const qv::TreeNode& node, const std::string& text) {
            return mission.editEventLine(node, text);
        },
        &qv::Mission::isEventLine);

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
    mission.removeLastCar();
    QCOMPARE(view.selectedNode(), nullptr);
    QCOMPARE(selected.last().at(0).value<const qv::TreeNode*>(), nullptr);

    view.selectRow(1);
    mission.replace(mission.data(), mission.cloneTrees());
    QCOMPARE(view.selectedNode(), nullptr);
    QCOMPARE(selected.last().at(0).value<const qv::TreeNode*>(), nullptr);
}

QTEST_MAIN(TreeModelTest)
#include "TreeModelTest.moc"
