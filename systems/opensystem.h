#pragma once
// "Editera system": a system file read into the new-system dialog and a new system editor.

void openSystemForEditing();
