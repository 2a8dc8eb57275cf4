#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "rename/OperationTexts.h"
#include "rename/PanelTexts.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

namespace {

// The widgets a user operates; labels only show text and read out as that text.
bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<const QTabBar*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr;
}

// Widgets the program named (Qt's own inner parts are named "qt_...").
QList<QWidget*> NamedWidgets(const QWidget* window) {
    QList<QWidget*> named;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QLatin1String("qt_")))
            named << widget;
    return named;
}

QList<QWidget*> NamedControls(const QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : NamedWidgets(window))
        if (IsControl(widget))
            controls << widget;
    return controls;
}

// What a screen reader announces as the control's name. A combo box on Linux reads its value
// as its name; its label comes from the label that names it as buddy (the "labelled by"
// relation of AT-SPI).
QString SpokenName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible == nullptr)
        return {};
    if (qobject_cast<QComboBox*>(control) == nullptr)
        return accessible->text(QAccessible::Name);
    for (const auto& relation : accessible->relations(QAccessible::Label))
        if (!relation.first->text(QAccessible::Name).isEmpty())
            return relation.first->text(QAccessible::Name);
    return {};
}

// A caption as read: without its mnemonic marker and a closing colon.
QString ReadCaption(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption;
}

QString BuddyCaption(const QWidget* window, const QWidget* control) {
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == control)
            return ReadCaption(label->text());
    return {};
}

QString Describe(const QWidget* widget) {
    return widget->objectName() + QLatin1Char(' ') +
           QString::fromLatin1(widget->metaObject()->className());
}

bool SameRadioGroup(const QWidget* a, const QWidget* b) {
    const auto* first = qobject_cast<const QRadioButton*>(a);
    const auto* second = qobject_cast<const QRadioButton*>(b);
    if (first == nullptr || second == nullptr)
        return false;
    if (first->group() != nullptr || second->group() != nullptr)
        return first->group() == second->group();
    return first->autoExclusive() && second->autoExclusive() &&
           first->parentWidget() == second->parentWidget();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void EveryNamedControlHasAnAccessibleName_data();
    void EveryNamedControlHasAnAccessibleName();
    void ObjectNamesAreUnique();
    void EveryExampleIsReadWithItsLabel_data();
    void EveryExampleIsReadWithItsLabel();
    void MainWindowTabOrderFollowsReadingOrder();
    void EveryControlOfAPanelIsReachedByKeyboard_data();
    void EveryControlOfAPanelIsReachedByKeyboard();
    void EnterInATextBoxRunsNothing_data();
    void EnterInATextBoxRunsNothing();

  private:
    // Moves the focus with Tab until `stop` holds or the focus comes back to where it started.
    QList<QWidget*> TabWalk(QWidget* start, const std::function<bool(QWidget*)>& stop);
    void SelectTabByKeyboard(int tab);

    std::unique_ptr<WindowHarness> harness_;
};

void AccessibilityTest::initTestCase() {
    harness_ = std::make_unique<WindowHarness>();
    harness_->folder.MakeFile("sample 1.txt", 10);
    harness_->folder.MakeFile("sample 2.txt", 20);
    MainWindow& window = harness_->Open();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void AccessibilityTest::cleanupTestCase() {
    harness_.reset();
}

void AccessibilityTest::EveryNamedControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("objectName");
    const QList<QWidget*> controls = NamedControls(&harness_->window());
    // The window's own controls at least; the panels add theirs.
    QVERIFY(controls.size() >= 14);
    for (QWidget* control : controls)
        QTest::newRow(qPrintable(control->objectName())) << control->objectName();
}

void AccessibilityTest::EveryExampleIsReadWithItsLabel_data() {
    using namespace rename_texts;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    const std::pair<const char*, QStringView> examples[] = {
        {"Label30", ReplaceBeforeName}, {"Label28", ReplaceAfterName},
        {"Label35", AddBeforeName},     {"Label33", AddAfterName},
        {"Label37", ExampleName},       {"lblPre", AddAfterName},
        {"Label31", ExampleName},       {"Label9", DeleteAfterName},
        {"Label40", ConvertBeforeName}, {"Label41", ConvertAfterName}};
    for (const auto& [name, label] : examples)
        QTest::newRow(name) << QString(name) << label.toString();
}

// The label is the name and the example itself the description, whatever it shows now.
void AccessibilityTest::EveryExampleIsReadWithItsLabel() {
    QFETCH(QString, name);
    QFETCH(QString, label);
    auto* example = harness_->Find<QLabel>(name);
    QVERIFY(example);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(example);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), label);
    QVERIFY(!example->text().isEmpty());
    QCOMPARE(accessible->text(QAccessible::Description), example->text());
}

void AccessibilityTest::EveryNamedControlHasAnAccessibleName() {
    QFETCH(QString, objectName);
    QWidget* control = harness_->Find<QWidget>(objectName);
    QVERIFY(control != nullptr);
    const QString name = SpokenName(control);
    QVERIFY2(!name.trimmed().isEmpty(), qPrintable(Describe(control)));
    // The name comes from what the user sees: the button's caption or the label before the box.
    if (auto* button = qobject_cast<QAbstractButton*>(control);
        button != nullptr && !button->text().isEmpty())
        QVERIFY2(name.contains(ReadCaption(button->text())),
                 qPrintable(name + QStringLiteral(" / ") + button->text()));
    const QString buddy = BuddyCaption(&harness_->window(), control);
    if (!buddy.isEmpty())
        QVERIFY2(name.contains(buddy), qPrintable(name + QStringLiteral(" / ") + buddy));
}

void AccessibilityTest::ObjectNamesAreUnique() {
    QStringList seen;
    QStringList twice;
    for (QWidget* widget : NamedWidgets(&harness_->window())) {
        if (seen.contains(widget->objectName()))
            twice << widget->objectName();
        seen << widget->objectName();
    }
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(QStringLiteral(", "))));
}

QList<QWidget*> AccessibilityTest::TabWalk(QWidget* start,
                                           const std::function<bool(QWidget*)>& stop) {
    QList<QWidget*> visited;
    start->setFocus(Qt::TabFocusReason);
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == start; }))
        return visited;
    visited << start;
    // Far more presses than the window has controls: a loop that never closes ends here.
    for (int press = 0; press < 200; ++press) {
        QWidget* from = QApplication::focusWidget();
        QTest::keyClick(from, Qt::Key_Tab);
        QWidget* to = QApplication::focusWidget();
        if (to == nullptr || to == start || stop(to))
            break;
        visited << to;
    }
    return visited;
}

void AccessibilityTest::SelectTabByKeyboard(int tab) {
    auto* tabs = harness_->Find<QTabBar>(QStringLiteral("TabStrip1"));
    tabs->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), tabs);
    while (tabs->currentIndex() > tab)
        QTest::keyClick(tabs, Qt::Key_Left);
    while (tabs->currentIndex() < tab)
        QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(tabs->currentIndex(), tab);
}

void AccessibilityTest::MainWindowTabOrderFollowsReadingOrder() {
    SelectTabByKeyboard(0);
    auto* panels = harness_->Find<QWidget>(QStringLiteral("Picture1"));
    QVERIFY(panels != nullptr);
    const QList<QWidget*> visited =
        TabWalk(harness_->Find<QWidget>(QStringLiteral("Drive1")),
                [&](QWidget* widget) { return panels->isAncestorOf(widget); });
    QStringList order;
    for (QWidget* widget : visited)
        order << widget->objectName();
    const QStringList expected = {
        QStringLiteral("Drive1"),     QStringLiteral("Dir1"),     QStringLiteral("txtPattern"),
        QStringLiteral("Command5"),   QStringLiteral("Combo2"),   QStringLiteral("txtMkDate1"),
        QStringLiteral("txtMkDate2"), QStringLiteral("cmdClear"), QStringLiteral("txtReNew1"),
        QStringLiteral("txtReNew2"),  QStringLiteral("Command6"), QStringLiteral("ListView1"),
        QStringLiteral("Command4"),   QStringLiteral("TabStrip1")};
    QCOMPARE(order, expected);
    // And on into the shown panel, once it has a control to go to.
    const QList<QWidget*> inPanel = panels->findChildren<QWidget*>();
    const bool panelTakesFocus = std::any_of(inPanel.begin(), inPanel.end(), [](QWidget* widget) {
        return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
    });
    if (panelTakesFocus)
        QVERIFY2(panels->isAncestorOf(QApplication::focusWidget()),
                 qPrintable(Describe(QApplication::focusWidget())));
}

void AccessibilityTest::EveryControlOfAPanelIsReachedByKeyboard_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("panel");
    QTest::newRow("置換") << 0 << QStringLiteral("Frame3");
    QTest::newRow("付加") << 1 << QStringLiteral("Frame4");
    QTest::newRow("連番付加") << 2 << QStringLiteral("Frame5");
    QTest::newRow("番号削除") << 3 << QStringLiteral("Frame6");
    QTest::newRow("変換") << 4 << QStringLiteral("Frame7");
}

void AccessibilityTest::EveryControlOfAPanelIsReachedByKeyboard() {
    QFETCH(int, tab);
    QFETCH(QString, panel);
    SelectTabByKeyboard(tab);
    auto* frame = harness_->Find<QWidget>(panel);
    QVERIFY(frame != nullptr);
    QTRY_VERIFY(frame->isVisible());
    const QList<QWidget*> visited = TabWalk(harness_->Find<QWidget>(QStringLiteral("TabStrip1")),
                                            [](QWidget*) { return false; });
    QStringList unreached;
    for (QWidget* control : NamedControls(&harness_->window())) {
        if (!control->isVisible() || !control->isEnabled() ||
            !(control->focusPolicy() & Qt::TabFocus))
            continue;
        // Tab enters a group of options at its chosen one; the arrows move within the group.
        const bool reached = std::any_of(visited.begin(), visited.end(), [&](QWidget* widget) {
            return widget == control || SameRadioGroup(widget, control);
        });
        if (!reached)
            unreached << control->objectName();
    }
    QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(QStringLiteral(", "))));
    QVERIFY2(harness_->boxes.shown().isEmpty(),
             qPrintable(harness_->boxes.Texts().join(QStringLiteral(" | "))));
}

void AccessibilityTest::EnterInATextBoxRunsNothing_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("tab");
    const char* const panels[] = {"Frame3", "Frame4", "Frame5", "Frame6"};
    for (int tab = 0; tab < 4; ++tab) {
        auto* frame = harness_->Find<QWidget>(QString::fromLatin1(panels[tab]));
        if (frame == nullptr)
            continue;
        for (QLineEdit* box : frame->findChildren<QLineEdit*>())
            if (!box->objectName().isEmpty() && !box->objectName().startsWith(QLatin1String("qt_")))
                QTest::newRow(qPrintable(box->objectName())) << box->objectName() << tab;
    }
    for (const char* name : {"txtPattern", "txtMkDate1", "txtReNew2"})
        QTest::newRow(name) << QString::fromLatin1(name) << 0;
}

void AccessibilityTest::EnterInATextBoxRunsNothing() {
    QFETCH(QString, objectName);
    QFETCH(int, tab);
    SelectTabByKeyboard(tab);
    auto* box = harness_->Find<QLineEdit>(objectName);
    QVERIFY(box != nullptr);
    if (!box->isEnabled())
        QSKIP("the box is off until its option is chosen");
    const QStringList namesBefore = harness_->TableNames();
    harness_->boxes.Clear();
    box->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter);
    // No confirmation was asked and no file changed its name.
    QVERIFY2(harness_->boxes.shown().isEmpty(),
             qPrintable(harness_->boxes.Texts().join(QStringLiteral(" | "))));
    QCOMPARE(harness_->TableNames(), namesBefore);
    QCOMPARE(QApplication::focusWidget(), box);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
