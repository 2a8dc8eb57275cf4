#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/widgets/QtMessageBoxes.h"
#include "rename/widgets/NumberFieldCheck.h"
#include "support/ScriptedMessageBoxes.h"

using namespace miravel;
using namespace miravel::test;

namespace {

// Real modal boxes, each answered with OK once shown; the texts shown are kept.
class AnsweredQtBoxes : public MessageBoxes {
  public:
    explicit AnsweredQtBoxes(QWidget* parent) : boxes_(parent) {}
    void Error(const QString& text, const QString& title) override {
        texts << text;
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            poll->deleteLater();
            box->button(QMessageBox::Ok)->click();
        });
        poll->start(10);
        boxes_.Error(text, title);
    }
    bool Confirm(const QString&, const QString&, const QString&) override { return false; }
    QStringList texts;

  private:
    QtMessageBoxes boxes_;
};

// A number box between two other controls, as on a panel.
struct Form {
    QWidget window;
    QLineEdit* number = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    QPushButton* run = new QPushButton(QStringLiteral("run"), &window);

    Form() {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(number);
        layout->addWidget(other);
        layout->addWidget(run);
    }
    bool Show() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

}  // namespace

class NumberFieldCheckTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void leavingWithARefusedValue_data() {
        QTest::addColumn<bool>("realBoxes");
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("scripted boxes, tab") << false << false;
        QTest::newRow("scripted boxes, click") << false << true;
        QTest::newRow("real boxes, tab") << true << false;
        QTest::newRow("real boxes, click") << true << true;
    }

    void leavingWithARefusedValue() {
        QFETCH(bool, realBoxes);
        QFETCH(bool, byMouse);
        Form form;
        ScriptedMessageBoxes scripted;
        AnsweredQtBoxes real(&form.window);
        MessageBoxes* boxes = realBoxes ? static_cast<MessageBoxes*>(&real) : &scripted;
        CheckNumberField(form.number, boxes, QStringLiteral("title"));
        QVERIFY(form.Show());
        QSignalSpy runs(form.run, &QPushButton::clicked);
        form.number->setFocus();
        QTRY_VERIFY(form.number->hasFocus());
        QTest::keyClicks(form.number, "-1");

        auto leave = [&] {
            if (byMouse)
                QTest::mouseClick(form.run, Qt::LeftButton);
            else
                QTest::keyClick(form.number, Qt::Key_Tab);
        };
        leave();
        auto shown = [&] { return realBoxes ? real.texts : scripted.Texts(); };
        QTRY_COMPARE(shown(), QStringList{"0以上の数字を入力して下さい。"});
        // The test platform gives no window back its activation after a modal box; a desktop
        // does, and the window's focus is then where it was kept.
        QVERIFY(form.Show());
        QTRY_VERIFY(form.number->hasFocus());
        QCOMPARE(form.number->palette().color(QPalette::Base), QColor(255, 128, 128));
        QCOMPARE(runs.count(), 0);

        form.number->selectAll();
        QTest::keyClicks(form.number, "12");
        leave();
        QVERIFY(form.Show());
        QTRY_VERIFY(!form.number->hasFocus());
        QCOMPARE(shown().size(), 1);
        QVERIFY(!form.number->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(runs.count(), byMouse ? 1 : 0);
    }

    void otherWindowsTakingTheFocusCheckNothing() {
        Form form;
        ScriptedMessageBoxes scripted;
        CheckNumberField(form.number, &scripted, QStringLiteral("title"));
        QVERIFY(form.Show());
        form.number->setFocus();
        QTRY_VERIFY(form.number->hasFocus());
        QTest::keyClicks(form.number, "x");
        QWidget another;
        another.show();
        another.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&another));
        QVERIFY(scripted.shown().isEmpty());
    }

    void disabledBoxIsNotChecked() {
        Form form;
        ScriptedMessageBoxes scripted;
        CheckNumberField(form.number, &scripted, QStringLiteral("title"));
        QVERIFY(form.Show());
        form.number->setFocus();
        QTRY_VERIFY(form.number->hasFocus());
        QTest::keyClicks(form.number, "x");
        form.number->setEnabled(false);
        QTRY_VERIFY(!form.number->hasFocus());
        QVERIFY(scripted.shown().isEmpty());
    }
};

QTEST_MAIN(NumberFieldCheckTest)
#include "tst_numberfieldcheck.moc"
