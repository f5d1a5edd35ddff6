#include "app/user_input_blocker.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

// While an insertion runs, the window must paint but take no input: a click
// or a key would start a second handler in the middle of the first.
class UserInputBlockerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void window_takesNoInputWhileBlocked_closesAfterwardsWhenAsked() {
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("OK"), &window);
        auto *edit = new QLineEdit(&window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(button);
        layout->addWidget(edit);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &QPushButton::clicked);
        QWidget otherWindow;
        auto *otherButton = new QPushButton(QStringLiteral("Other"), &otherWindow);
        QSignalSpy otherClicks(otherButton, &QPushButton::clicked);

        edit->setFocus();
        {
            const UserInputBlocker blocker(&window);
            QVERIFY(UserInputBlocker::blocks(&window));
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClicks(edit, QStringLiteral("abc"));
            QVERIFY(!window.close());
            QTest::mouseClick(otherButton, Qt::LeftButton);
        }
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(edit->text(), QString());
        QVERIFY(!UserInputBlocker::blocks(&window));
        QCOMPARE(window.focusWidget(), edit); // where it was before the click
        QVERIFY(window.isVisible());
        QCOMPARE(otherClicks.count(), 1); // other windows, such as message boxes, still answer
        QTRY_VERIFY(!window.isVisible()); // the close asked for during the block comes after it
    }
};

QTEST_MAIN(UserInputBlockerTest)
#include "tst_user_input_blocker.moc"
