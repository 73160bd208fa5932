#pragma once

#include <QStringList>

class TForm1;

// The demo driver and its screenshots, driven by the command line:
//   --screenshot-dir DIR       write DIR/login.png of the login window, press
//                              "Giriş", then write DIR/main.png of the main
//                              window once its home content has loaded and it
//                              is laid out, then search the stock for "FREN"
//                              and write DIR/stocksearch.png with the results
//   --quit-after-screenshots   then end the program with exit code 0
// A message box during the login is written as DIR/message.png, its text
// printed, and the program ends with 1. A salesperson acts for the first
// customer of the full list. Without --screenshot-dir nothing happens.
// Call before the start-up sequence runs.
void ScheduleScreenshots(TForm1* mainWindow, const QStringList& arguments);
