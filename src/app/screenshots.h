#pragma once

#include <QStringList>

class QWidget;

// Demo screenshots, driven by the command line:
//   --screenshot-dir DIR       write DIR/shell.png of the main window once it
//                              is shown and laid out
//   --quit-after-screenshots   then end the program with exit code 0
// Without --screenshot-dir nothing happens.
void ScheduleScreenshots(QWidget* mainWindow, const QStringList& arguments);
