#include "printing/calibration.h"

#include "platform/atomicfile.h"
#include "platform/bytereader.h"
#include "platform/filenumber.h"
#include "platform/paths.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/settings.h"

PrintCalibration resetCalibration()
{
    PrintCalibration c;
    c.distance = {150, 140, 43, 21, 14, 22, 31, 690, 1, 735, 1};
    return c;
}

QByteArray encodeCalibration(const PrintCalibration& c)
{
    ByteWriter w;
    for (std::int16_t d : c.distance)
        w.writeInt16(d);
    w.writeFloat(c.ANGLE);
    w.writeByte(c.STYLE);
    w.writeInt16(c.RPC);
    return w.take();
}

PrintCalibration decodeCalibration(QByteArrayView bytes, int& fieldsRead)
{
    PrintCalibration c;
    ByteReader r(bytes);
    fieldsRead = 0;
    auto has = [&r](int n) { return r.remaining() >= n; };
    for (std::int16_t& d : c.distance) {
        if (!has(2))
            return c;
        d = r.readInt16();
        ++fieldsRead;
    }
    if (!has(4))
        return c;
    c.ANGLE = r.readFloat();
    ++fieldsRead;
    if (!has(1))
        return c;
    c.STYLE = r.readByte();
    ++fieldsRead;
    if (!has(2))
        return c;
    c.RPC = r.readInt16();
    ++fieldsRead;
    return c;
}

QString calibrationPath(const QString& appPath)
{
    return appPath.endsWith(QLatin1Char('\\')) ? appPath + QStringLiteral("tips.cnf")
                                               : appPath + QStringLiteral("\\tips.cnf");
}

namespace {

// "tips.cnf" in the program folder named by the settings file, found ignoring letter case.
QString calibrationFile() { return vb::nativePath(calibrationPath(IniScan(QStringLiteral("AppPath")))); }

// The record's bytes: the start of the file, whatever its size.
QByteArray readRecordBytes(const QString& path)
{
    FileNumber& f = FileNumber::one();
    FileNumberCloser closer;
    f.open(path, FileNumber::Mode::BinaryRead);
    return f.readBytes(qMin<std::int64_t>(f.size(), kCalibrationSize));
}

}  // namespace

PrintCalibration readCalibrationFile(PrintCalibration* partial, int* fieldsRead)
{
    const QByteArray bytes = readRecordBytes(calibrationFile());
    int fields = 0;
    const PrintCalibration c = decodeCalibration(bytes, fields);
    if (partial)
        *partial = c;
    if (fieldsRead)
        *fieldsRead = fields;
    // A short file is a damaged file, not a missing AppPath (which is what error 62 would report).
    if (fields < kCalibrationFields)
        throw invalidFileFormat();
    return c;
}

void writeCalibrationFile(const PrintCalibration& c)
{
    const QString path = calibrationFile();
    if (FileNumber::one().isOpen())
        throw VbError(vberr::FileAlreadyOpen);
    vb::writeFileInPlace(path, encodeCalibration(c));
}

bool calibrationBoxKeeps(const QString& text, double lo, double hi)
{
    if (text == u"0")
        return false;
    const double v = vb::Val(text);
    return v >= lo && v <= hi;
}

QString angleText(float angle) { return QString::number(static_cast<double>(angle), 'g', 7); }
