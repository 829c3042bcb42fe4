#pragma once
// A document in the main window's client area (a frame or a system editor) as the main window sees
// it: what it is, its caption, whether it is saved, how it saves itself, its close prompt and which
// of the main window's items it enables as it stands. The main window sets its items from the active
// document alone; a document calls changed() whenever one of its answers may have become different,
// and the main window hears of it through the notice it installs as it adds the document.

#include "shell/mdichild.h"

#include <QFlags>
#include <QString>
#include <cstdint>
#include <functional>

class CommonDialog;
class Grid;

// The values are those of MDIForm1.aktivtyp.
enum class DocumentKind : std::uint8_t { None = 0, Frame = 1, System = 2 };

// The main window's items a document switches on; every other document item is off.
enum class MainItem : unsigned {
    SaveAs = 1u << 0,  // SparaSom, SSRibbon5
    Print = 1u << 1,  // SkrivUt, SSRibbon2
    Search = 1u << 2,  // sok, SSRibbon3
    Export = 1u << 3,  // the two coupon exports
};
Q_DECLARE_FLAGS(MainItems, MainItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(MainItems)

class Document : public MdiChild {
public:
    virtual DocumentKind kind() const = 0;
    // The class name other windows compare (ActiveDocumentTest): "Form1" or "Form2".
    virtual QString className() const = 0;
    virtual QString caption() const = 0;
    virtual bool isSaved() const = 0;
    // Save As through the main window's file dialog. Raises VbError, or SaveDeclined for a No.
    virtual void saveAs(CommonDialog& dialog) = 0;
    // "Vill du spara ... ?" as the close prompt asks it.
    virtual QString closeQuestion() const = 0;
    // The items on while this document is the active one, and the caption of Save As then.
    virtual MainItems enabledItems() const = 0;
    virtual QString saveAsCaption() const = 0;

    // For the edit menu and its go-to and replace dialogs: the grid of rows that "Gå till" scrolls
    // and "Byt ut" changes, if the document has one; a note that an edit command changed cells of
    // its grids; "Gå till" in a document that shows its rows as numbered coupons.
    virtual Grid* rowsGrid() const { return nullptr; }
    virtual void cellsEdited() { }
    // Whether a sign may stand in a row of that grid ("X" only in a full-guard row of a system).
    virtual bool rowTakesSign(int /*row*/, const QString& /*sign*/) const { return true; }
    virtual void goToCoupon(const QString& /*number*/) { }

    // After the document has accepted its close: it no longer counts as the active document.
    bool isClosed() const { return closed_; }

    // What changed() runs: the main window sets its items again.
    void setChangeNotice(std::function<void()> notice) { changeNotice_ = std::move(notice); }

protected:
    // Runs the change notice, if one is installed.
    void changed();
    // Called once the close has been accepted.
    void closing();

private:
    bool closed_ = false;
    std::function<void()> changeNotice_;
};
