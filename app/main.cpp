#include "app/frmOpening.h"
#include "surface/Presentation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The program reads no command line: the toolkit sees only the program name.
    (void)argc;
    int toolkitArgc = 1;
    char* toolkitArgv[] = { argv[0], nullptr };
    QApplication application(toolkitArgc, toolkitArgv);
    Presentation::useProgramStyle();
    Presentation::fitToPrimaryScreen();

    (new frmOpening)->showWindow();
    return application.exec();
}
