// The dialog layer as the user sees it: the message boxes themselves.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/common/QtDialogs.h"

using qv::ui::MessageButton;
using qv::ui::MessageIcon;
using qv::ui::QtDialogs;

class QtDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void aMessageKeepsItsLinesWholeAndShowsItsDetail();
};

void QtDialogsTest::aMessageKeepsItsLinesWholeAndShowsItsDetail() {
    // The longest of the editor's messages that end in a short word.
    const QString texts[] = {
        QStringLiteral("Ошибка.\nНе задана папка Sanny Builder: «Файл» → «Настройки программы...» "
                       "(F10)"),
        QStringLiteral("Для проверки скрипта миссии требуется Sanny Builder не ниже версии 3.00!"),
    };
    for (const QString& text : texts) {
        int shownLines = 0;
        int wantedLines = 0;
        QString detail;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const auto* below =
                box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
            QVERIFY(label != nullptr && below != nullptr);
            detail = below->text();
            wantedLines = int(label->text().count(QLatin1Char('\n'))) + 1;
            const QFontMetrics metrics(label->font());
            const int height = metrics
                                   .boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                                 Qt::TextWordWrap, label->text())
                                   .height();
            shownLines = (height + metrics.lineSpacing() / 2) / metrics.lineSpacing();
            box->reject();
        });
        QtDialogs dialogs;
        const MessageButton answer =
            dialogs.message({QStringLiteral("Quorvane"), text, MessageIcon::Error,
                             MessageButton::Ok, nullptr, QStringLiteral("«lssprint.qvnx»")});
        QCOMPARE(answer, MessageButton::Ok);
        QCOMPARE(shownLines, wantedLines);
        QCOMPARE(detail, QStringLiteral("«lssprint.qvnx»"));
    }
}

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
