#include "app/options.h"
#include "app/screenshots.h"
#include "app/tform1.h"
#include "app/visualstyle.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The options come first: --machine-id needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> exitCode = HandleCommandLine(arguments))
        return *exitCode;

    QApplication app(argc, argv);
    ApplyVisualStyle(QStringLiteral("velkora"));
    TForm1 form;
    ScheduleScreenshots(&form, arguments);
    form.FormCreate(); // the login; returns only when it succeeded
    form.showMaximized();
    return app.exec();
}
