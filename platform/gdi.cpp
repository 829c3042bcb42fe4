#include "platform/gdi.h"

#include <QStringList>

namespace gdi {

namespace {

struct ObjectTable {
    std::map<Handle, GdiObject> objects;
    Handle next = 1;
};

ObjectTable& table()
{
    static ObjectTable t;
    return t;
}

Handle add(const GdiObject& object)
{
    ObjectTable& t = table();
    const Handle h = t.next++;
    t.objects[h] = object;
    return h;
}

}  // namespace

Handle CreatePen(int style, int width, std::uint32_t colour) { return add({GdiObject::Kind::Pen, style, width, colour}); }

Handle CreateSolidBrush(std::uint32_t colour) { return add({GdiObject::Kind::Brush, 0, 0, colour}); }

bool DeleteObject(Handle object) { return table().objects.erase(object) == 1; }

std::size_t liveObjects() { return table().objects.size(); }

Handle DeviceContext::SelectObject(Handle object)
{
    recordObjectCall(QStringLiteral("SelectObject"), {object});
    const auto& objects = table().objects;
    const auto it = objects.find(object);
    if (it == objects.end())
        return 0;
    Handle& slot = it->second.kind == GdiObject::Kind::Pen ? pen_ : brush_;
    const Handle before = slot;
    slot = object;
    objectSelected(it->second);
    return before;
}

void DeviceContext::recordObjectCall(const QString&, const std::vector<long long>&) { }

QString GdiCall::text() const
{
    QStringList parts{name};
    for (long long a : args)
        parts << QString::number(a);
    return parts.join(QLatin1Char(' '));
}

int RecordingContext::GetDeviceCaps(int index)
{
    note(QStringLiteral("GetDeviceCaps"), {index});
    switch (index) {
    case LOGPIXELSX:
        return caps_.dpiX;
    case LOGPIXELSY:
        return caps_.dpiY;
    case PHYSICALOFFSETX:
        return caps_.offX;
    case PHYSICALOFFSETY:
        return caps_.offY;
    default:
        return 0;
    }
}

bool RecordingContext::MoveToEx(int x, int y, POINTAPI* previous)
{
    note(QStringLiteral("MoveToEx"), {x, y});
    if (previous)
        *previous = position_;
    position_ = {x, y};
    return true;
}

bool RecordingContext::LineTo(int x, int y)
{
    note(QStringLiteral("LineTo"), {x, y});
    position_ = {x, y};
    return true;
}

bool RecordingContext::Rectangle(int left, int top, int right, int bottom)
{
    note(QStringLiteral("Rectangle"), {left, top, right, bottom});
    return true;
}

void RecordingContext::newPage() { note(QStringLiteral("NewPagePrint")); }

void RecordingContext::endDocument() { note(QStringLiteral("EndPrint")); }

std::vector<GdiCall> RecordingContext::callsNamed(std::initializer_list<const char*> names) const
{
    return named(*calls_, names);
}

std::vector<GdiCall> RecordingContext::named(const std::vector<GdiCall>& calls, std::initializer_list<const char*> names)
{
    std::vector<GdiCall> out;
    for (const GdiCall& c : calls)
        for (const char* n : names)
            if (c.name == QLatin1String(n))
                out.push_back(c);
    return out;
}

}  // namespace gdi
