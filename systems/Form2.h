#pragma once
// The system editor: one window per open reduced system inside the main window. It owns the system
// grid (one column per system row), the hidden guarantee grid that travels with the system, and the
// comment; its Load lays the grid out from the new-system dialog's settings and builds the rows when
// asked.

#include "shell/document.h"
#include "systems/multiplication.h"
#include "systems/newsystemsettings.h"

#include <QString>
#include <QWidget>

class CommandButton;
class Grid;
class Label;
class TextBox;
struct GeneratedSystem;

class Form2 : public QWidget, public Document {
    Q_OBJECT
public:
    // New Form2 with its caption set: runs Load (laying the grid out from the settings, building the
    // rows when asked), puts the editor into the main window and activates it, then sets the caption,
    // which stays until the next activation. The main window owns the editor. When Load refuses the
    // system (more rows than the grid holds, message 33), no editor is left and the result is nullptr.
    static Form2* open(const QString& caption, const NewSystemSettings& settings);

    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // ---- public members other windows use by name ----
    bool syssparat = false;  // saved; False after Load and after every key edit
    QString Tag;  // the number of full guards as text
    // Grid1 (the system; its Tag is "0" without, "1" with base row), Grid2 (the guarantee grid; cell
    // (0, 0) "" never computed, "1" current, "0" outdated; cell (0, 2) the comment), kommentarer.
    Grid* Grid1 = nullptr;
    Grid* Grid2 = nullptr;
    TextBox* kommentarer = nullptr;
    Label* Label4 = nullptr;
    CommandButton* Anvand = nullptr;
    CommandButton* Berakna = nullptr;
    CommandButton* ganger = nullptr;

    // The counts as Load set them (rader: the rows built, when the computer built them).
    double rader() const { return rader_; }
    double helgard() const { return helgard_; }
    double halvgard() const { return halvgard_; }
    int urad() const { return urad_; }
    const QString& systemtyp() const { return systemtyp_; }
    // helgard-halvgard-rader.type, e.g. "2-5-151.RM": the caption on every activation of a system the
    // new-system dialog made.
    QString captionPattern() const;
    // A system opened from a file keeps the file's full name as its caption on every activation, and
    // after a Save As the name of the file written, never a name from the new-system dialog's choices.
    void keepFileName(const QString& path);

    // Key preview: key presses in the editor reach Form_KeyDown before the control.
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }

    // ---- as a document of the main window ----
    DocumentKind kind() const override { return DocumentKind::System; }
    QString className() const override { return QStringLiteral("Form2"); }
    QString caption() const override { return windowTitle(); }
    bool isSaved() const override { return syssparat; }
    void saveAs(CommonDialog& dialog) override;
    QString closeQuestion() const override;
    MainItems enabledItems() const override { return MainItem::SaveAs | MainItem::Search; }
    QString saveAsCaption() const override;
    Grid* rowsGrid() const override { return Grid1; }
    void cellsEdited() override { markChanged(); }
    bool rowTakesSign(int row, const QString& sign) const override;

    // ---- handlers ----
    // False when the system has more rows than the grid holds: message 33 has been shown.
    bool Form_Load(const NewSystemSettings& settings);
    void Form_Activate() override;
    void Form_KeyDown(int KeyCode, int Shift);
    // The rows were edited: the guarantee table is outdated and the system unsaved.
    void markChanged();
    void kommentarer_Change();
    void kommentarer_GotFocus() { setKeyPreview(false); }
    void kommentarer_LostFocus() { setKeyPreview(true); }
    void Anvand_Click() { SystemHandOver(); }
    // Save As, then a new frame that takes this system into its first slot.
    void SystemHandOver();
    void Berakna_Click();  // guarantee table
    void ganger_Click();  // multiplication of partial systems

protected:
    void closeEvent(QCloseEvent* event) override;  // QueryUnload, then Unload
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layoutControls();
    void Form_Unload();
    void layOutGrid();
    void writeRows(const GeneratedSystem& system);
    void reportLoadError(int number, const QString& description);

    double rader_ = 0;
    double helgard_ = 0;
    double halvgard_ = 0;
    int urad_ = 0;
    QString systemtyp_;
    QString fileName_;  // the file an opened system was read from or last saved to; empty for a new one
    bool keyPreview_ = false;
    bool unloaded_ = false;
    Multiplication multiplication_;  // the blocks and state of ganger's three clicks
};
