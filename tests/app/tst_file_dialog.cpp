#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "app/german_translation.h"
#include "app/user_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace vandelor;

namespace {

// Everything of the dialog that a user reads: captions, tool tips, the
// filter list and the column heads.
QStringList visibleTexts(QFileDialog &dialog) {
    QStringList texts{dialog.windowTitle()};
    for (auto *label : dialog.findChildren<QLabel *>())
        if (label->isVisible())
            texts << label->text();
    for (auto *button : dialog.findChildren<QAbstractButton *>())
        if (button->isVisible())
            texts << button->text() << button->toolTip();
    for (auto *combo : dialog.findChildren<QComboBox *>(QStringLiteral("fileTypeCombo")))
        for (int item = 0; item < combo->count(); ++item)
            texts << combo->itemText(item);
    for (auto *view : dialog.findChildren<QTreeView *>())
        if (view->isVisible())
            for (int column = 0; column < view->model()->columnCount(); ++column)
                if (!view->header()->isSectionHidden(column))
                    texts << view->model()->headerData(column, Qt::Horizontal).toString();
    texts.removeAll(QString());
    texts.removeAll(QStringLiteral("..."));
    texts.replaceInStrings(QStringLiteral("&"), QString()); // mnemonics are underlined
    return texts;
}

} // namespace

// The open-file dialog as the user meets it: German, whatever the system's
// language, with the filter texts of the layout.
class FileDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(installGermanTranslation(*qApp)); }

    void openDialog_speaksGermanAndShowsTheLaidOutFilters() {
        AnsweringDialogs answers;
        frm_Steuerung window(answers, {u',', u'.'});
        window.show();
        QStringList texts;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            texts = visibleTexts(*dialog);
            QImage picture = window.grab().toImage();
            QPainter(&picture).drawPixmap(20, 20, dialog->grab());
            QVERIFY(picture.save(QStringLiteral(SCREENSHOT_DIR "/file_dialog.png")));
            dialog->reject();
        });
        QtUserDialogs dialogs;
        const QString chosen = dialogs.askOpenFileName(
            &window,
            QStringLiteral("ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) |*.txt;*.dms;*.xyz;*.vda|"
                           "Excel Dateien *.xls |*.xls"),
            QString());
        QCOMPARE(chosen, QString());
        for (const char *german :
             {"Öffnen", "Abbrechen", "Suchen in:", "Dateiname:", "Dateien des Typs:", "Zurück",
              "Neuen Ordner erstellen", "ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda)",
              "Excel Dateien *.xls"})
            QVERIFY2(texts.contains(QString::fromUtf8(german)), german);
        for (const char *english :
             {"Open", "Cancel", "Look in:", "File name:", "Files of type:", "Back", "Forward",
              "Create New Folder", "Size", "Type", "Date Modified", "Detail View", "List View",
              "Parent Directory"})
            QVERIFY2(!texts.contains(QString::fromLatin1(english)), english);
    }

    // A path typed into the name box opens the file whatever entry of the
    // filter is selected, every time; a missing file does not.
    void typedPath_opensAFileTheFilterDoesNotShow() {
        QTemporaryDir dir;
        QStringList paths;
        for (const char *name : {"Punkte.ods", "Punkte.xlsx", "fehlt.xls"}) {
            paths << dir.filePath(QLatin1String(name));
            if (!paths.last().endsWith(QLatin1String("fehlt.xls"))) {
                QFile file(paths.last());
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        paths << paths[0];
        QtUserDialogs dialogs;
        for (const QString &path : std::as_const(paths)) {
            bool openEnabled = false;
            QTimer::singleShot(0, this, [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                // The folder's files are listed by then, as for a user who looked.
                dialog->setDirectory(dir.path());
                QTest::qWait(300);
                name->setText(path);
                QApplication::processEvents();
                auto *buttons = dialog->findChild<QDialogButtonBox *>();
                QAbstractButton *open = buttons->button(QDialogButtonBox::Open);
                openEnabled = open->isEnabled();
                if (openEnabled && QFile::exists(path))
                    open->click();
                else
                    dialog->reject();
            });
            const QString chosen = dialogs.askOpenFileName(
                nullptr, QStringLiteral("Excel Dateien *.xls |*.xls"), QString());
            const bool exists = QFile::exists(path);
            QCOMPARE(chosen, exists ? path : QString());
            QCOMPARE(openEnabled, exists);
        }
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_file_dialog.moc"
