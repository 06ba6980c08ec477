#include "shell/startup.h"

#include "export/cad_export.h"
#include "plotting/canvas.h"
#include "plotting/palette.h"
#include "plotting/view.h"
#include "shell/command_buttons.h"
#include "state/editor.h"

namespace vrex {

void StartUpSequence(Editor& editor)
{
    SetUpView(editor);
    DefinePalette(editor);
    InitialiseEditorState(editor);
    ResetCommandState(editor);
}

void InitialiseEditorState(Editor& editor)
{
    editor.modes.SelectMode = false;
    editor.modes.ReadyForCommand = true;
    editor.store.CadLineCount = 0;
    editor.mouse.MouseSurface = "FORM";
    editor.mouse.MouseState = "MOVE";
    // The start-up view is the result of two recomputations: one ends the
    // view set-up, this is the second.
    RecomputeView(editor);

    DrawingState& d = editor.drawing;
    d.MarkerScale = 0.01F;
    d.MarkerUnitX = d.MarkerScale * static_cast<Single>(editor.canvas->ScaleWidth());
    d.MarkerUnitY = d.MarkerUnitX; // the canvas height plays no part

    for (const char* window : StartUpShowOrder)
        editor.services.showWindow(window);
    editor.canvas->Cls();
}

void END8cbn_Click(Editor& editor) { editor.services.endProgram(); }

void End8cbn_Click(Editor& editor) { WriteCadExportFile(editor); }

} // namespace vrex
