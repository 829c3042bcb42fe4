#pragma once
// A system as two grids hold it, both in the system editor and in a frame slot: the sign grid (one
// row per guarded match after its header row, one column per system row after its label column)
// and the guarantee grid. Moves a SystemBlock in and out of them.

#include <QString>

class Grid;
struct SystemBlock;

// The block the grids hold. typeTag and fullGuardsTag are the texts of the grid's and the window's
// Tag: a text that is no number raises error 13, one that does not fit its field error 6.
SystemBlock systemBlockOf(
    const Grid& signs, const Grid& guarantee, const QString& typeTag, const QString& fullGuardsTag);

// Sizes the sign grid to M + 1 rows and R + 1 columns and fills it, each byte as the one character
// with that code. Error 30010 when the grid cannot take the columns; then nothing has changed.
void putSigns(Grid& signs, const SystemBlock& block);
// Fills the cells of an already laid-out sign grid, as far as both reach.
void fillSigns(Grid& signs, const SystemBlock& block);
// Sizes the guarantee grid to gCols columns and gRows rows and fills it column first with the
// cells the block holds (all of them, or those read before a file ended). A stored shape the
// editor cannot work with is widened to the next of 1, 3, 6 or 7 columns (cut at 7) and 1 row.
void putGuarantee(Grid& guarantee, const SystemBlock& block);
// The same at the stored shape, whatever it is: a frame slot only shows its table and writes it
// back, so a frame read and saved unchanged keeps its bytes.
void putStoredGuarantee(Grid& guarantee, const SystemBlock& block);
int editableGuaranteeColumns(int stored);

// A Tag's text as a number: blanks around a plain number allowed.
int tagByte(const QString& tag);
int tagInt16(const QString& tag);
