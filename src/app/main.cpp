#include "frm_Steuerung.h"
#include "german_translation.h"
#include "user_dialogs.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    vandelor::installGermanTranslation(app);
    vandelor::QtUserDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    window.show();
    return QApplication::exec();
}
