#pragma once

#include <QIcon>

// Pictures of the main window's buttons, drawn in code.
QIcon MenuButtonIcon();
QIcon SearchIcon();
QIcon ClearIcon();
