#pragma once
// The progress window: a top-level window of its own with the bar area and "Avbryt", kept above the
// locked main window. It holds no run state; the running computation draws on it and reads the main
// window's enabled state.

#include "platform/controls.h"
#include "shell/lockingdialog.h"

#include <QFrame>
#include <QImage>
#include <QWidget>

#include <cstdint>

// The bar area: a picture box whose drawing coordinates are twips from its inner top left corner. What
// is drawn stays until Cls, also while the window is hidden or covered.
class BarArea : public VbControl<QFrame> {
    Q_OBJECT
public:
    explicit BarArea(QWidget* parent = nullptr);

    // Line (x1, y1)-(x2, y2), colour, BF: a filled box between the two corners, colour 0x00BBGGRR.
    void FillBox(float x1, float y1, float x2, float y2, std::uint32_t colour);
    // Clears the surface to the background colour.
    void Cls();

    // The drawing surface, one pixel per screen pixel of the inner area.
    const QImage& surface() const { return surface_; }
    // A position in twips on the surface, in pixels (the left or top edge of the pixel it starts).
    static int pixelX(double twipsX);
    static int pixelY(double twipsY);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitSurface();

    QImage surface_;
};

class visare : public LockingDialog {
    Q_OBJECT
public:
    // The single progress window, made (and loaded) on first use; hidden until a computation shows it.
    static visare* instance();

    BarArea* Picture1 = nullptr;
    CommandButton* avbryt = nullptr;

    void Form_Load();
    // Hides the window, then enables the main window: the running computation sees that and stops.
    void avbryt_Click();

    // Shows the window without modality (the call returns at once); the first time centred over the
    // main window.
    void showModeless() { showDialog(); }

private:
    visare();
};
