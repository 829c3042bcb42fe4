// The `print` subcommand: the print routine on a recording context, its drawing calls one a line.

#include "harness.h"

#include "platform/gdi.h"
#include "printing/printroutine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

bool readJson(const std::string& path, QJsonObject& out)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    out = doc.object();
    return true;
}

// The rows as the frame holds them: SignCode 1, 2, 3 for "1", "X", "2"; 0 for "-".
bool rowsOf(const QJsonArray& rows, RowMatrix& out)
{
    out = RowMatrix(12, static_cast<long long>(rows.size()) - 1);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString row = rows.at(r).toString();
        if (row.size() != 13)
            return false;
        for (int m = 0; m < 13; ++m) {
            const qsizetype code = QStringLiteral("-1X2").indexOf(row.at(m));
            if (code < 0)
                return false;
            out.at(m, r) = static_cast<std::uint8_t>(code);
        }
    }
    return true;
}

bool calibrationOf(const QJsonArray& fields, PrintCalibration& c)
{
    if (fields.size() != kCalibrationFields)
        return false;
    for (int i = 0; i < DistanceCount; ++i)
        c.distance[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(fields.at(i).toInt());
    c.ANGLE = static_cast<float>(fields.at(DistanceCount).toDouble());
    c.STYLE = static_cast<std::uint8_t>(fields.at(DistanceCount + 1).toInt());
    c.RPC = static_cast<std::int16_t>(fields.at(DistanceCount + 2).toInt());
    return true;
}

// A caption or box text; a number given instead stands for its text.
QString textOf(const QJsonValue& v) { return v.isDouble() ? QString::number(v.toDouble(), 'g', 17) : v.toString(); }

int printCommand(const std::vector<std::string>& args)
{
    QJsonObject in;
    RowMatrix rows;
    PrintCalibration cal;
    if (args.size() != 1 || !readJson(args[0], in) || !rowsOf(in.value(u"rows").toArray(), rows) ||
        !calibrationOf(in.value(u"calibration").toArray(), cal)) {
        std::fprintf(stderr, "print: JSONFILE must hold calibration (14 fields), dpiX, dpiY, offX, offY, rows, ...\n");
        return 2;
    }
    const gdi::RecordingContext::Caps caps{in.value(u"dpiX").toInt(), in.value(u"dpiY").toInt(),
        in.value(u"offX").toInt(), in.value(u"offY").toInt()};
    PrintChoices choices;
    choices.straight = in.value(u"straight").toBool(true);
    choices.range = in.value(u"range").toBool();
    choices.fran = textOf(in.value(u"fran"));
    choices.till = textOf(in.value(u"till"));
    choices.joker1 = in.value(u"joker1").toBool();
    choices.joker2 = in.value(u"joker2").toBool();
    RecordingPrintHooks hooks(caps, cal, in.value(u"answer37").toString() == u"Cancel");
    const int error = printCoupons(rows, textOf(in.value(u"n_rows")), choices, hooks);
    for (const gdi::GdiCall& c : hooks.recording().callsNamed({"MoveToEx", "LineTo", "Rectangle", "NewPagePrint", "Message"}))
        std::printf("%s\n", c.text().toUtf8().constData());
    if (error)
        std::printf("Error %d\n", error);
    return 0;
}

const bench::Registrar command([] { bench::addCommand({"print", "JSONFILE", printCommand}); });

}  // namespace
