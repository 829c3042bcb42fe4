#pragma once
// The guarantee window: one guarantee table with its reduction text and the system's comment, a child
// window of the main window. Every fill replaces it by a fresh one; it owns only its controls, since
// the table is stored with the system. The system editor fills it (systems/guaranteefill.h), a frame
// slot shows its stored table here.

#include <QString>
#include <QWidget>

class CommandButton;
class Grid;
class Label;
class QFrame;
class TextBox;

// A stored guarantee grid's cell, empty where the grid has none: a system file may hold a guarantee
// grid of any size.
QString storedGuaranteeCell(const Grid& g, int row, int col);

class garanti : public QWidget {
    Q_OBJECT
public:
    // The loaded window, nullptr when none.
    static garanti* loaded();
    // Unloads the loaded window, if any, and loads a fresh one into the main window, shown at once.
    // nullptr when there is no main window.
    static garanti* reload();

    // A frame slot's "Visa garantitabell": the table stored with the slot's system (slotType 0 without,
    // 1 with base row).
    static void showFromSlot(const Grid& stored, int slotType);

    CommandButton* stang = nullptr;
    Label* Label1 = nullptr;  // "Antal rätt" over the columns 13 .. 0-9
    Label* Label2 = nullptr;  // "Chans" over (%)
    Label* Label3 = nullptr;  // "Fel i" over U-rad, base row only
    Label* Label4 = nullptr;
    Label* Label6 = nullptr;
    Label* reducering = nullptr;
    Grid* Grid2 = nullptr;  // the table
    Grid* Grid1 = nullptr;  // hidden scratch grid: the maxima and minima as text
    TextBox* kommentarer = nullptr;
    QFrame* Line1 = nullptr;

    void Form_Load();
    void kommentarer_Click();
    void stang_Click() { unload(); }

    // Row 0 of the table and the heading labels placed over its columns.
    void writeHeader();
    // Widens each column that its widest text needs, the heading labels with them; none gets
    // narrower than designed. Called once the table's cells are written.
    void fitColumns();
    void showBaseRowColumn(bool baseRow);
    // Sizes the table and copies the stored cells of rows 1.. into it; the reduction text translated.
    void showStored(const Grid& stored, bool baseRow, int cols, int rows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit garanti(QWidget* parent = nullptr);
    void unload();
    void placeHeadingLabels();
};
