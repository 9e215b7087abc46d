#include "marking_list/grid_mode_rules.h"

namespace marking_list {

ModeKeyOutcome pressF2(const ModeKeyContext& context)
{
    if (context.editItemEnabled)
        return {ModeKeyAction::StartEdit, false};
    if (context.gridMenuOpen)
        return {};
    return {ModeKeyAction::EndModes, false};
}

ModeKeyOutcome pressF3(const ModeKeyContext& context)
{
    if (context.layout == CountBoxMode::Text)
        return {};
    if (context.lineBreakItemEnabled && context.mode != app::GridMode::NumberingMarker)
        return {ModeKeyAction::StartLineBreak, false};
    if (context.numberingItemEnabled && context.mode == app::GridMode::LineBreakMarker)
        return {ModeKeyAction::StartNumbering, false};
    ModeKeyOutcome outcome;
    outcome.fullWidthRefused =
        context.listShown && !context.lineBreakItemEnabled && !context.numberingItemEnabled;
    const bool endable = context.mode == app::GridMode::NumberingMarker || context.mode == app::GridMode::Edit;
    if (endable && !context.gridMenuOpen)
        outcome.action = ModeKeyAction::EndModes;
    return outcome;
}

}  // namespace marking_list
