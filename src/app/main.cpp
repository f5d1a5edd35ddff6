#include "frm_Steuerung.h"
#include "user_dialogs.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    vandelor::QtUserDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    window.show();
    return QApplication::exec();
}
