#pragma once

#include <QColor>

namespace text::ui {

// The background of the edit box that has the focus, in every window of the program; a box
// takes its ordinary colour back when it loses the focus.
inline QColor editingColour()
{
    return {182, 254, 236};
}

}  // namespace text::ui
