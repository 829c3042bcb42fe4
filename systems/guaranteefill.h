#pragma once
// The system editor's "Garantitabell": computes the table of the edited system into a fresh guarantee
// window and stores it in the editor's guarantee grid, or shows the stored one when it is current.

class Grid;

// What the editor hands over: its system grid (Grid1), the guarantee grid the table is stored in
// (Grid2), and its counts.
struct EditedSystem {
    Grid& signs;
    Grid& stored;
    double rader = 0;
    double helgard = 0;
    double halvgard = 0;
    int urad = 0;
};

void showEditorGuarantee(const EditedSystem& editor);
