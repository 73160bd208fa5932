#include "app/screenshots.h"
#include "app/tform1.h"
#include "app/visualstyle.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ApplyVisualStyle(QStringLiteral("velkora"));
    TForm1 form;
    ScheduleScreenshots(&form, QApplication::arguments());
    form.showMaximized();
    return app.exec();
}
