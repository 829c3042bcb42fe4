#pragma once
// The printer calibration record "tips.cnf": 29 bytes, little-endian, no header. Eleven distances in
// tenths of a millimetre, the skew angle, the mark style and the rows per coupon. Also the checks the
// calibration dialog makes on its boxes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

// Index of a distance in PrintCalibration::distance, in record order.
enum CalibrationDistance : int { TOP, LEFT, ROWGAP, CROSSH, CROSSW, VGAP, HGAP, J1Y, J1X, J2Y, J2X, DistanceCount };

struct PrintCalibration {
    std::array<std::int16_t, DistanceCount> distance{};
    float ANGLE = 0;  // degrees
    std::uint8_t STYLE = 1;  // 1 cross, anything else a filled box
    std::int16_t RPC = 10;  // rows per coupon

    friend bool operator==(const PrintCalibration&, const PrintCalibration&) = default;
};

constexpr int kCalibrationSize = 29;
constexpr int kCalibrationFields = DistanceCount + 3;

// The calibration dialog's reset values (the program folder ships them as tips.cnf): the seven
// cross distances and the four joker coordinates; angle 0, crosses, 10 rows per coupon.
PrintCalibration resetCalibration();

// The record as bytes, and back. Decoding reads field by field and stops where the bytes end:
// fieldsRead tells how many fields it got (kCalibrationFields for a whole record).
QByteArray encodeCalibration(const PrintCalibration& c);
PrintCalibration decodeCalibration(QByteArrayView bytes, int& fieldsRead);

// AppPath followed by "\tips.cnf", without doubling a trailing "\".
QString calibrationPath(const QString& appPath);

// Reads the calibration named by AppPath in the settings file (file number 1, closed again).
// Raises the settings-file errors (62 without AppPath), the open errors of the file (53 when missing)
// and 321 when the file is shorter than a record. A partial record is still handed back through
// partial when given, with its field count.
PrintCalibration readCalibrationFile(PrintCalibration* partial = nullptr, int* fieldsRead = nullptr);

// Writes the record over the first 29 bytes of the file named by AppPath, in place, keeping any
// bytes after them; the file is created only when missing. Raises the settings-file errors and the
// write errors (70 read-only, 61 full, NotARegularFile for a pipe or device).
void writeCalibrationFile(const PrintCalibration& c);

// The calibration dialog's box check: false when the text must be cleared (exactly "0", or a value
// outside lo..hi).
bool calibrationBoxKeeps(const QString& text, double lo, double hi);

// The angle as the dialog shows it: at most seven significant digits, a point as separator.
QString angleText(float angle);
