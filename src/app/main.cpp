#include "app/frm_Steuerung.h"
#include "app/german_translation.h"
#include "app/user_dialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vandelor.png")));
    vandelor::installGermanTranslation(app);
    vandelor::QtUserDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    window.show();
    return QApplication::exec();
}
