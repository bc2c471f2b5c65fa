#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwindowraiser.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    zarGuiStyle::install();
    zarWindowRaiser::install();
    zarTranslator::instance();

    zarMainWidget window;
    window.show();
    const int result = application.exec();
    // A quit without a close (the updater's restart) still saves and stops everything.
    window.shutDown();
    return result;
}
