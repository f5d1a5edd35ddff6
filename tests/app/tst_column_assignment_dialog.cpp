#include "app/column_assignment_dialog.h"
#include "point_files.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace vandelor;

// "Spalten zuordnen" worked with real keys and clicks.
class ColumnAssignmentDialogTest : public QObject {
    Q_OBJECT

    const QStringList lines = texts({"Punkte", "P1,1.5,2,3", "P2,x,5,6"});
    std::unique_ptr<ColumnAssignmentDialog> dialog;

    template <typename T> T *control(const char *name) {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *text) {
        for (auto *button : dialog->findChildren<QPushButton *>())
            if (button->text() == QString::fromUtf8(text))
                return button;
        return nullptr;
    }

private Q_SLOTS:
    void init() {
        dialog = std::make_unique<ColumnAssignmentDialog>(lines, guessedAssignment(lines));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    void keys_setTheAssignmentAndTintWhatIsNoNumber() {
        auto *preview = dialog->findChild<QTableWidget *>();
        QVERIFY(dialog->grab().save(QStringLiteral(SCREENSHOT_DIR "/spalten_zuordnen.png")));
        QCOMPARE(preview->item(2, 1)->toolTip(), QStringLiteral("Keine Zahl"));
        QVERIFY(preview->item(0, 0)->toolTip().isEmpty()); // skipped, not data
        auto *skipped = control<QSpinBox>("skippedLines");
        skipped->setFocus();
        QTest::keyClick(skipped, Qt::Key_Up);
        QTest::keyClick(skipped, Qt::Key_Up);
        QVERIFY(preview->item(2, 1)->toolTip().isEmpty()); // now skipped too
        auto *x = control<QComboBox>("role2");
        QTest::keyClick(x, Qt::Key_Down); // Y, which column 3 has
        QVERIFY(!button("Übernehmen")->isEnabled());
        QTest::keyClick(x, Qt::Key_End); // "nicht lesen"
        QVERIFY(button("Übernehmen")->isEnabled());
        QTest::mouseClick(control<QWidget>("decimalComma"), Qt::LeftButton, {}, QPoint(6, 6));
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCOMPARE(dialog->answer(), ColumnAssignmentAnswer::Apply);
        QCOMPARE(dialog->assignment(),
                 (ColumnAssignment{FieldSeparator::Comma, true, 3, {0, -1, 2, 3}}));
    }

    void anotherSeparator_splitsThePreviewAnew() {
        QTest::keyClick(control<QComboBox>("separator"), Qt::Key_End); // blanks
        QCOMPARE(dialog->findChild<QTableWidget *>()->columnCount(), 1);
        QCOMPARE(dialog->assignment().columns, QList<int>{0});
    }

    void buttons_giveTheAnswer() {
        QTest::mouseClick(button("Wie bisher lesen"), Qt::LeftButton);
        QCOMPARE(dialog->answer(), ColumnAssignmentAnswer::AsBefore);
        init();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->answer(), ColumnAssignmentAnswer::Cancel);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(ColumnAssignmentDialogTest)
#include "tst_column_assignment_dialog.moc"
