#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/widgets/QtMessageBoxes.h"

using namespace miravel;

namespace {

// What the shown box looked like; read before answering it, checked after it closed, so a
// failed check can never leave the box open and the test blocked.
struct SeenBox {
    bool seen = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool okIsDefault = false;
    QString title;
    QString text;
    QString details;
    QWidget* parent = nullptr;
};

SeenBox Observe(QMessageBox* box) {
    return {true,
            box->icon(),
            box->standardButtons(),
            static_cast<QAbstractButton*>(box->defaultButton()) == box->button(QMessageBox::Ok),
            box->windowTitle(),
            box->text(),
            box->detailedText(),
            box->parentWidget()};
}

// Runs `answer` on the message box once it is shown (the box's own event loop is running
// then).
void WhenBoxShows(std::function<void(QMessageBox*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(box);
    });
    poll->start(10);
}

}  // namespace

class QtMessageBoxesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void ErrorShowsAStopBoxWithOkOnly();
    void ConfirmAnswers_data();
    void ConfirmAnswers();
};

void QtMessageBoxesTest::ErrorShowsAStopBoxWithOkOnly() {
    QWidget window;
    window.show();
    QtMessageBoxes boxes(&window);
    SeenBox seen;
    WhenBoxShows([&](QMessageBox* box) {
        seen = Observe(box);
        box->button(QMessageBox::Ok)->click();
    });
    boxes.Error("ファイルが見つかりません。", "タイトル");
    QVERIFY(seen.seen);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.title, QString("タイトル"));
    QCOMPARE(seen.text, QString("ファイルが見つかりません。"));
    QCOMPARE(seen.parent, &window);
}

void QtMessageBoxesTest::ConfirmAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("details");
    QTest::addColumn<bool>("result");
    QTest::newRow("OK clicked") << "ok"
                                << "" << true;
    QTest::newRow("Cancel clicked") << "cancel"
                                    << "" << false;
    QTest::newRow("Return takes the default OK") << "return"
                                                 << "" << true;
    QTest::newRow("Escape cancels") << "escape"
                                    << "" << false;
    QTest::newRow("with details") << "ok"
                                  << "a.txt -> b.txt" << true;
}

void QtMessageBoxesTest::ConfirmAnswers() {
    QFETCH(QString, how);
    QFETCH(QString, details);
    QFETCH(bool, result);
    QWidget window;
    window.show();
    QtMessageBoxes boxes(&window);
    SeenBox seen;
    WhenBoxShows([&](QMessageBox* box) {
        seen = Observe(box);
        if (how == "ok")
            box->button(QMessageBox::Ok)->click();
        if (how == "cancel")
            box->button(QMessageBox::Cancel)->click();
        if (how == "return")
            QTest::keyClick(box, Qt::Key_Return);
        if (how == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(boxes.Confirm("置換を開始します。 本当にいいですか？", "タイトル", details), result);
    QVERIFY(seen.seen);
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(seen.okIsDefault);
    QCOMPARE(seen.title, QString("タイトル"));
    QCOMPARE(seen.text, QString("置換を開始します。 本当にいいですか？"));
    QCOMPARE(seen.details, details);
    QCOMPARE(seen.parent, &window);
}

QTEST_MAIN(QtMessageBoxesTest)
#include "tst_qtmessageboxes.moc"
