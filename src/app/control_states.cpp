#include "app/control_states.h"

namespace app {

using marking_list::CountBoxMode;

ControlStates controlStates(const ProgramState& state, const RefreshContext& context)
{
    const bool empty = state.list.isEmpty();
    const CountBoxMode layout = state.list.layout();
    const bool markerMode = state.gridMode == GridMode::LineBreakMarker ||
                            state.gridMode == GridMode::NumberingMarker;

    ControlStates s;
    s.listEmpty = empty;
    s.stringInsertEnabled = !empty && !state.stringInsertMode;
    s.editEnabled = !empty && state.gridMode != GridMode::Edit;
    // The marks have no meaning in the TEXT layout nor in a list of full-width text.
    const bool marksPossible = !empty && !state.fullWidthMode && layout != CountBoxMode::Text;
    s.lineBreakMarkEnabled = marksPossible && state.gridMode != GridMode::LineBreakMarker;
    s.numberingMarkEnabled = marksPossible && state.gridMode != GridMode::NumberingMarker;
    s.selectAllEnabled = !empty;
    s.reverseOrderEnabled = !empty;
    s.importEnabled = empty && layout == CountBoxMode::OneBox;
    s.layoutSelectorVisible = empty;
    s.markedCountChoiceVisible = !empty && layout == CountBoxMode::ThreeBox;
    s.ctkButtonsVisible = !empty && layout != CountBoxMode::Text;
    s.reverseTransferEnabled = !empty && context.spreadsheetVisible;
    s.switchEditingOn = !empty && markerMode && !context.selectionStartsInColumn1;
    return s;
}

ControlStates refreshControlStates(ProgramState& state, const RefreshContext& context)
{
    state.list.recomputeNextFreeRow();
    return controlStates(state, context);
}

}  // namespace app
