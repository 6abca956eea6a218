#include "app/Basis.h"
#include "app/Program.h"
#include "app/TFormA.h"
#include "platform/GermanTranslation.h"
#include "platform/NamedMutex.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    // A second start ends at once, silently, before any window exists.
    instanceMutex = new NamedMutex(QStringLiteral("Corvane"));
    if (!instanceMutex->tryLock())
        return 0;

    QApplication application(argc, argv);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    GermanTranslation::install(application, QString());
    int exitCode = 0;
    {
        Program program(QApplication::applicationDirPath());
        program.createWindows();
        TerminationSignals termination;
        QObject::connect(&termination, &TerminationSignals::terminationRequested, [] {
            if (FormA)
                FormA->close();
        });
        exitCode = program.run();
        program.destroyWindows();
    }
    finalizeBasis();
    return exitCode;
}
