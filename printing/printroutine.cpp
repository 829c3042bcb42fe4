#include "printing/printroutine.h"

#include "platform/bytereader.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"

#include <cmath>
#include <exception>
#include <functional>
#include <new>

namespace {

constexpr int kMatches = 13;
constexpr int kWarning = vbmsg::OKOnly | vbmsg::Exclamation;

// The coupon: 21.55 cm by 10.65 cm.
constexpr double kCouponWidthCm = 21.55;
constexpr double kCouponHeightCm = 10.65;

std::int16_t add16(long long a, long long b) { return vb::toInt16(a + b); }
std::int16_t mul16(long long a, long long b) { return vb::toInt16(a * b); }

// Coupon points to device pixels: the skew (cosine taken as 1), then the half turn of a turned coupon.
struct Placement {
    double s = 0;
    bool turned = false;
    double W = 0;
    double H = 0;

    gdi::POINTAPI operator()(double u, double v) const
    {
        double p = u - v * s;
        double q = v + u * s;
        if (turned) {
            p = W - p;
            q = H - q;
        }
        return {vb::CLng(p), vb::CLng(q)};
    }
};

class Printer {
public:
    Printer(const RowMatrix& rows, const QString& allrad, const PrintChoices& choices, PrintHooks& hooks)
        : rows_(rows), allrad_(allrad), choices_(choices), hooks_(hooks)
    {
    }

    int run();

private:
    // Steps up to the page loop; false when a message stopped the print.
    bool prepare();
    void printPages();
    void selectTools();
    // A mark of CROSSW x CROSSH at coupon point (a, b); joker corners are 16-bit sums.
    void mark(long long a, long long b, bool joker, bool reversedBox);
    std::uint8_t sign(int match, long long row) const;
    // The run-time error that step raised, 0 for none.
    static int trapped(const std::function<void()>& step);
    void report(int error);

    const RowMatrix& rows_;
    const QString& allrad_;
    const PrintChoices& choices_;
    PrintHooks& hooks_;

    gdi::DeviceContext* dc_ = nullptr;
    gdi::Handle pen_ = 0;
    gdi::Handle brush_ = 0;
    PrintCalibration cal_;
    std::array<std::int16_t, DistanceCount> px_{};  // the distances in printer pixels
    Placement place_;
    long long start_ = 0;
    long long end_ = 0;
    bool completed_ = false;
};

int Printer::run()
{
    // Whatever stops the print is reported here and ends the job: the print dialog that called
    // the routine shows nothing itself.
    int error = trapped([this] {
        dc_ = &hooks_.StartPrint();
        if (prepare()) {
            printPages();
            completed_ = true;
        }
    });
    report(error);
    if (dc_) {
        if (!completed_)
            hooks_.abandonJob(*dc_);
        // The end of the job writes a PDF file: its failure is reported as well.
        const int endError = trapped([this] { hooks_.EndPrint(*dc_); });
        gdi::DeleteObject(pen_);
        gdi::DeleteObject(brush_);
        report(endError);
        error = error ? error : endError;
    }
    return error;
}

int Printer::trapped(const std::function<void()>& step)
{
    try {
        step();
    } catch (const PrintDeclined&) {
        return 0;
    } catch (const VbError& e) {
        return e.number();
    } catch (const std::bad_alloc&) {
        return vberr::OutOfMemory;
    } catch (const std::exception&) {
        return vberr::InternalError;
    }
    return 0;
}

void Printer::report(int error)
{
    if (!error)
        return;
    const MessageTextId id = error == vberr::FileAlreadyOpen ? kMsgFileAlreadyOpen
        : error == vberr::InputPastEnd                       ? kMsgNoAppPath
                                                             : kMsgUnexpectedError;
    hooks_.message(id, id == kMsgUnexpectedError ? vbmsg::OKOnly | vbmsg::Critical : kWarning, error);
}

void Printer::selectTools()
{
    dc_->SelectObject(pen_);
    dc_->SelectObject(brush_);
}

bool Printer::prepare()
{
    pen_ = gdi::CreatePen(gdi::PS_SOLID, 2, 0);
    brush_ = gdi::CreateSolidBrush(0);
    selectTools();

    const int dpiX = dc_->GetDeviceCaps(gdi::LOGPIXELSX);
    const int dpiY = dc_->GetDeviceCaps(gdi::LOGPIXELSY);
    const int offX = dc_->GetDeviceCaps(gdi::PHYSICALOFFSETX);
    const int offY = dc_->GetDeviceCaps(gdi::PHYSICALOFFSETY);
    if (dpiX == 0 || dpiY == 0)
        throw VbError(vberr::DivisionByZero);
    const double sX = 254.0 / dpiX;
    const double sY = 254.0 / dpiY;
    place_.W = dpiX * (kCouponWidthCm / 2.54);
    place_.H = dpiY * (kCouponHeightCm / 2.54);

    cal_ = hooks_.readCalibration();
    // With no rows per coupon the pages would never advance.
    if (cal_.RPC < 1) {
        hooks_.message(kMsgBadRowsPerCoupon, kWarning, 0);
        return false;
    }

    for (int i = 0; i < DistanceCount; ++i) {
        const bool vertical = i == TOP || i == CROSSH || i == VGAP || i == J1Y || i == J2Y;
        px_[static_cast<std::size_t>(i)] = vb::CInt(cal_.distance[static_cast<std::size_t>(i)] / (vertical ? sY : sX));
    }

    std::int16_t& top = px_[TOP];
    std::int16_t& left = px_[LEFT];
    place_.turned = !choices_.straight;
    if (choices_.straight) {
        top = vb::toInt16(static_cast<long long>(top) - offY);
        left = vb::toInt16(static_cast<long long>(left) - offX);
        if ((top < 0 || left < 0) &&
            hooks_.message(kMsgOutsideMargin, vbmsg::OKCancel | vbmsg::Exclamation, 0) == vbmsg::Cancel)
            return false;
    } else {
        top = vb::toInt16(static_cast<long long>(top) + offY);
        left = vb::toInt16(static_cast<long long>(left) + offX);
    }

    const auto angle = static_cast<float>(static_cast<double>(cal_.ANGLE) * 3.14 / 180.0);
    place_.s = std::sin(static_cast<double>(angle));

    const double A = vb::Val(allrad_);
    start_ = 0;
    end_ = vb::CLng(A);
    if (choices_.range) {
        const double rpc = cal_.RPC;
        const double f = vb::Val(choices_.fran);
        const double t = vb::Val(choices_.till);
        if (t * rpc > A + rpc || t * rpc < 1 || f * rpc > A + rpc || f * rpc < 1) {
            hooks_.message(kMsgBadPrintRange, kWarning, 0);
            return false;
        }
        const double lo = std::min(f, t);
        const double hi = std::max(f, t);
        start_ = vb::CLng(lo * rpc - rpc);
        end_ = vb::CLng(std::min(hi * rpc, A));
    }
    return true;
}

std::uint8_t Printer::sign(int match, long long row) const
{
    if (row < 0 || row > rows_.upperRow() || match > rows_.upperMatch())
        throw VbError(vberr::SubscriptOutOfRange);
    return rows_.at(match, row);
}

void Printer::printPages()
{
    const std::int16_t top = px_[TOP];
    const std::int16_t left = px_[LEFT];
    const std::int16_t cw = px_[CROSSW];
    const std::int16_t hgap = px_[HGAP];
    do {
        const long long n = end_ - start_ > cal_.RPC ? cal_.RPC : end_ - start_;
        for (int m = 1; m <= kMatches; ++m) {
            const long long y = top + (m - 1) * static_cast<long long>(add16(px_[VGAP], px_[CROSSH]));
            for (long long j = 1; j <= n; ++j) {
                const std::int16_t stride = add16(add16(mul16(3, cw), mul16(2, hgap)), px_[ROWGAP]);
                const long long x = left + (j - 1) * stride;
                const std::uint8_t s = sign(m - 1, start_ + j - 1);
                if (s == 0)
                    continue;
                const long long dx = s == 1 ? 0 : s == 2 ? add16(cw, hgap) : mul16(2, add16(cw, hgap));
                mark(x + dx, y, false, false);
            }
        }
        if (choices_.joker1)
            mark(add16(left, px_[J1X]), add16(top, px_[J1Y]), true, false);
        if (choices_.joker2)
            mark(add16(left, px_[J2X]), add16(top, px_[J2Y]), true, true);
        start_ += cal_.RPC;
        if (start_ < end_) {
            hooks_.NewPagePrint(*dc_);
            selectTools();
        }
    } while (start_ < end_);
}

void Printer::mark(long long a, long long b, bool joker, bool reversedBox)
{
    const long long cw = px_[CROSSW];
    const long long ch = px_[CROSSH];
    auto plus = [joker](long long v, long long d) { return joker ? static_cast<long long>(add16(v, d)) : v + d; };
    auto pt = [this](long long u, long long v) { return place_(static_cast<double>(u), static_cast<double>(v)); };
    if (cal_.STYLE == 1) {
        gdi::POINTAPI p = pt(a, b);
        dc_->MoveToEx(p.x, p.y, nullptr);
        p = pt(plus(a, cw), plus(b, ch));
        dc_->LineTo(p.x, p.y);
        p = pt(plus(a, cw), b);
        dc_->MoveToEx(p.x, p.y, nullptr);
        p = pt(a, plus(b, ch));
        dc_->LineTo(p.x, p.y);
        return;
    }
    gdi::POINTAPI p1;
    gdi::POINTAPI p2;
    if (reversedBox) {
        p1 = pt(plus(a, cw), b);
        p2 = pt(a, plus(b, ch));
    } else {
        p1 = pt(a, b);
        p2 = pt(plus(a, cw), plus(b, ch));
    }
    dc_->Rectangle(p1.x, p1.y, p2.x, p2.y);
}

}  // namespace

int printCoupons(const RowMatrix& forminne, const QString& allrad, const PrintChoices& choices, PrintHooks& hooks)
{
    return Printer(forminne, allrad, choices, hooks).run();
}

PrintCalibration RecordingPrintHooks::readCalibration()
{
    if (calibrationError_)
        throw VbError(calibrationError_);
    return calibration_;
}

int RecordingPrintHooks::message(MessageTextId id, int, int)
{
    dc_.note(QStringLiteral("Message"), {id.value});
    return id == kMsgOutsideMargin && cancelOutsideMargin_ ? vbmsg::Cancel : vbmsg::OK;
}
