#include "MPLABConverter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MPLABConverter wizard;
    wizard.show();
    // The wizard is the only window: hiding it on Cancel or Close ends exec().
    return application.exec();
}
