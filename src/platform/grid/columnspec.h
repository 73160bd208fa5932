#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

class ClientDataSet;
class QPainter;
struct GridStyle;

// Whether a column shows, and whether the column customisation offers it to the
// user to switch on and off. A not-offered column shows only when the program
// shows it, and a shown, not-offered one cannot be switched off by the user.
enum class ColumnVisibility { Shown, ShownNotOffered, HiddenOffered, HiddenNotOffered };

// How a cell presents its value.
enum class DisplayKind {
    Text,        // the field's display text, one line
    CentredText, // centred horizontally and vertically
    WrappedText, // wrapped on several lines, vertically centred
    Icon,        // only an icon chosen by the value (ColumnSpec::icon); no text
    YesNoIcon,   // the no mark for 0 and null, the yes mark otherwise; no text
    PictureIcon, // a picture mark for 1, nothing otherwise
    CheckBox,    // a read-only check box, ticked for a non-zero value
    CustomDrawn, // drawn entirely by ColumnSpec::paint
};

// What a custom-drawn cell is painted with.
struct GridCell {
    const ClientDataSet* dataSet = nullptr;
    int row = -1;     // row of the dataset
    int viewRow = -1; // position among the rows the grid shows
    QRect rect;
    bool selected = false;
    const GridStyle* style = nullptr;
};

using CellPainter = std::function<void(QPainter& painter, const GridCell& cell)>;
using ValueIcon = std::function<QIcon(const QVariant& value)>;
using CellText = std::function<QString(const ClientDataSet& dataSet, int row)>;

// One column of a grid, as a row of the grid's column table.
struct ColumnSpec {
    QString field;   // dataset field; empty for a column the program draws itself
    QString caption; // empty: the header shows the field name
    ColumnVisibility visibility = ColumnVisibility::Shown;
    int weight = 1;  // share of the width when widths follow weights
    DisplayKind display = DisplayKind::Text;
    std::optional<Qt::Alignment> alignment; // default: numbers right, text left; always vertically centred
    std::optional<Qt::SortOrder> sort;      // the grid keeps its rows sorted by this column
    ValueIcon icon;    // DisplayKind::Icon
    CellPainter paint; // DisplayKind::CustomDrawn
    CellText text;     // text of a column without a field (export); optional

    QString shownCaption() const { return caption.isEmpty() ? field : caption; }
    bool isShown() const
    {
        return visibility == ColumnVisibility::Shown || visibility == ColumnVisibility::ShownNotOffered;
    }
    bool isOffered() const
    {
        return visibility == ColumnVisibility::Shown || visibility == ColumnVisibility::HiddenOffered;
    }
};

using ColumnTable = std::vector<ColumnSpec>;
