#pragma once

#include <QFont>
#include <QString>

// Applies the named visual style from the program's resources. A style that
// cannot be found is reported in an error message and the default look stays.
// Returns whether the style was applied.
bool ApplyVisualStyle(const QString& name);

// The program's font: Tahoma, bold, 13 pixels (with metric-compatible
// stand-ins where Tahoma is not installed).
QFont VelkoraFont();
