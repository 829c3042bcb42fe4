#pragma once
// The system editor's "Garantitabell": computes the table of the edited system into a fresh guarantee
// window and stores it in the editor's guarantee grid, or shows the stored one when it is current.

class Form2;

void showEditorGuarantee(Form2& editor);
