#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/widgets/QtMessageBoxes.h"
#include "platform/widgets/QtTranslations.h"

using namespace miravel;

// Qt's own texts of standard dialogs and text boxes, once the program has loaded Qt's Japanese
// translation as it does at start.
class QtTranslationsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void ConfirmationCancelButtonReadsJapanese();
    void StandardButtons_data();
    void StandardButtons();
    void DetailsButtonOfAMessageBox();
    void TextBoxContextMenu_data();
    void TextBoxContextMenu();
};

void QtTranslationsTest::initTestCase() {
    QVERIFY2(InstallQtTranslations(*qApp), "qtbase_ja.qm not found: install qt6-translations-l10n");
}

void QtTranslationsTest::ConfirmationCancelButtonReadsJapanese() {
    QWidget window;
    window.show();
    QtMessageBoxes boxes(&window);
    QString cancelText;
    // Read the shown box's button, then answer it, so a failed check never leaves it open.
    QTimer poll;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll.stop();
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        cancelText = cancel != nullptr ? cancel->text() : QStringLiteral("(none)");
        box->button(cancel != nullptr ? QMessageBox::Cancel : QMessageBox::Ok)->click();
    });
    poll.start(10);
    const bool confirmed = boxes.Confirm(QStringLiteral("変換しますか？"), QStringLiteral("題"));
    QVERIFY(!confirmed);
    QCOMPARE(cancelText, QStringLiteral("キャンセル"));
}

void QtTranslationsTest::StandardButtons_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << QStringLiteral("キャンセル");
    QTest::newRow("Close") << int(QMessageBox::Close) << QStringLiteral("閉じる");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << QStringLiteral("はい(&Y)");
    QTest::newRow("No") << int(QMessageBox::No) << QStringLiteral("いいえ(&N)");
}

void QtTranslationsTest::StandardButtons() {
    QFETCH(int, button);
    QFETCH(QString, text);
    const auto standard = static_cast<QMessageBox::StandardButton>(button);
    QMessageBox box(QMessageBox::Information, QStringLiteral("題"), QStringLiteral("本文"),
                    standard);
    QVERIFY(box.button(standard) != nullptr);
    QCOMPARE(box.button(standard)->text(), text);

    QDialogButtonBox buttons(static_cast<QDialogButtonBox::StandardButton>(button));
    QVERIFY(buttons.button(static_cast<QDialogButtonBox::StandardButton>(button)) != nullptr);
    QCOMPARE(buttons.button(static_cast<QDialogButtonBox::StandardButton>(button))->text(), text);
}

void QtTranslationsTest::DetailsButtonOfAMessageBox() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("題"), QStringLiteral("本文"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setDetailedText(QStringLiteral("a.txt → b.txt"));
    QStringList actionTexts;
    for (QAbstractButton* button : box.buttons())
        if (box.buttonRole(button) == QMessageBox::ActionRole)
            actionTexts << button->text();
    QCOMPARE(actionTexts, QStringList{QStringLiteral("詳細を表示...")});
}

void QtTranslationsTest::TextBoxContextMenu_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("undo") << QStringLiteral("元に戻す(&U)");
    QTest::newRow("cut") << QStringLiteral("切り取り(&T)");
    QTest::newRow("copy") << QStringLiteral("コピー(&C)");
    QTest::newRow("paste") << QStringLiteral("貼り付け(&P)");
    QTest::newRow("select all") << QStringLiteral("すべてを選択");
}

void QtTranslationsTest::TextBoxContextMenu() {
    QFETCH(QString, entry);
    QLineEdit box(QStringLiteral("sample"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text().section(QLatin1Char('\t'), 0, 0);  // without the shortcut
    QVERIFY2(texts.contains(entry), qPrintable(texts.join(QStringLiteral(" | "))));
}

QTEST_MAIN(QtTranslationsTest)
#include "tst_qttranslations.moc"
