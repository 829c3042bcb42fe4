#pragma once
// The drawing calls the print routine makes on a printer's device context, as an interface: a printer
// implementation draws them with QPainter (platform/prnshw), the recording context keeps a list of
// every call for tests and the bench. Pens and brushes are process-wide handles: they outlive the
// context they were selected into and are deleted after it.

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace gdi {

using Handle = std::int32_t;

// GetDeviceCaps indices.
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;

constexpr int PS_SOLID = 0;

struct POINTAPI {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct GdiObject {
    enum class Kind { Pen, Brush } kind = Kind::Pen;
    int style = 0;
    int width = 0;
    std::uint32_t colour = 0;  // 0x00BBGGRR
};

Handle CreatePen(int style, int width, std::uint32_t colour);
Handle CreateSolidBrush(std::uint32_t colour);
// False for an unknown handle.
bool DeleteObject(Handle object);
// Pens and brushes not yet deleted.
std::size_t liveObjects();

class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // Returns the object of the same kind selected before, 0 for none or an unknown handle.
    Handle SelectObject(Handle object);

    virtual int GetDeviceCaps(int index) = 0;
    virtual bool MoveToEx(int x, int y, POINTAPI* previous) = 0;
    virtual bool LineTo(int x, int y) = 0;
    // Outlined with the selected pen, filled with the selected brush; either corner order.
    virtual bool Rectangle(int left, int top, int right, int bottom) = 0;

    // The printing library's page calls on this context.
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // The job stopped short: a document bound for a file leaves the file as it was at endDocument.
    virtual void abandonDocument() { }

protected:
    // The selected pen and brush changed.
    virtual void objectSelected(const GdiObject& object) = 0;
    virtual void recordObjectCall(const QString& name, const std::vector<long long>& args);

private:
    Handle pen_ = 0;
    Handle brush_ = 0;
};

// One call on a recording context: its name and its arguments.
struct GdiCall {
    QString name;
    std::vector<long long> args;
    // "MoveToEx 387 314"
    QString text() const;
    friend bool operator==(const GdiCall&, const GdiCall&) = default;
};

// Keeps every call, also the page calls (as "NewPagePrint" and "EndPrint"); draws nothing.
class RecordingContext final : public DeviceContext {
public:
    struct Caps {
        int dpiX = 600;
        int dpiY = 600;
        int offX = 0;
        int offY = 0;
    };
    explicit RecordingContext(Caps caps) : caps_(caps) { }

    int GetDeviceCaps(int index) override;
    bool MoveToEx(int x, int y, POINTAPI* previous) override;
    bool LineTo(int x, int y) override;
    bool Rectangle(int left, int top, int right, int bottom) override;
    void newPage() override;
    void endDocument() override;

    // Calls made by the program, in order; notes of the caller (message boxes) go in between.
    const std::vector<GdiCall>& calls() const { return *calls_; }
    void note(const QString& name, std::vector<long long> args = {}) { calls_->push_back({name, std::move(args)}); }
    // The list itself, for a caller that must read it after the context is gone.
    std::shared_ptr<const std::vector<GdiCall>> log() const { return calls_; }
    // Only the calls with one of these names.
    std::vector<GdiCall> callsNamed(std::initializer_list<const char*> names) const;
    static std::vector<GdiCall> named(const std::vector<GdiCall>& calls, std::initializer_list<const char*> names);

protected:
    void objectSelected(const GdiObject&) override { }
    void recordObjectCall(const QString& name, const std::vector<long long>& args) override { note(name, args); }

private:
    Caps caps_;
    POINTAPI position_;
    std::shared_ptr<std::vector<GdiCall>> calls_ = std::make_shared<std::vector<GdiCall>>();
};

}  // namespace gdi
