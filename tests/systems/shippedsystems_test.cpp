// The systems shipped in the program folder's System/: each reads whole through the system file reader,
// is named as the editor captions it, and carries the guarantee table computed from its rows now.

#include "platform/vbtext.h"
#include "shell/reductiontext.h"
#include "shell/systemfile.h"
#include "support/testhelpers.h"
#include "systems/guarantee.h"

TEST(ShippedSystems, ReadWholeNamedByTheirShapeWithTheirCurrentGuaranteeTable)
{
    const QDir folder(QStringLiteral(VELKORIN_SOURCE_DIR "/resources/program/System"));
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_GE(names.size(), 10);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const SystemFileRead read = readSystemFile(readFileBytes(folder.filePath(name)), MagicCheck::Require);
        ASSERT_EQ(std::pair(read.status, read.reached), std::pair(FileReadStatus::Ok, SystemReadStage::Complete));
        const SystemFileData& d = read.data;

        // full-half-rows.type, as the system editor's caption names it.
        const QString shape = vb::Dec(d.fullGuards) + u'-' + vb::Dec(d.guarded - d.fullGuards) + u'-' + vb::Dec(d.rows);
        const QStringList types =
            d.type == 0 ? QStringList{QStringLiteral("RM")} : QStringList{QStringLiteral("KU"), QStringLiteral("RU")};
        EXPECT_EQ(std::pair(types.contains(name.section(u'.', 1)), name.section(u'.', 0, 0)), std::pair(true, shape))
            << d.type;

        GuaranteeSystem system{d.guarded - d.fullGuards, d.fullGuards, d.type == 1, d.rows, {}};
        for (int c = 1; c <= d.rows; ++c)
            for (int k = 1; k <= d.guarded; ++k) {
                ASSERT_NE(d.sign(k, c), 0);  // every cell filled
                system.codes.push_back(guaranteeSignCode(signTextOf(d.sign(k, c))));
            }
        const GuaranteeCounts counts = countGuarantee(system);
        const GuaranteeTable table = guaranteeTableOf(counts, system.baseRow);
        ASSERT_EQ(std::pair(d.gCols, d.gRows), std::pair(table.cols, table.rows));
        EXPECT_EQ(std::pair(d.guaranteeCell(0, 0), d.guaranteeCell(0, 1)),
            std::pair(QStringLiteral("1"), reductionText(d.rows, counts.outcomes, 0)));
        for (int r = 1; r < table.rows; ++r)
            for (int c = 0; c < table.cols; ++c)
                EXPECT_EQ(d.guaranteeCell(r, c), table.cell(c, r)) << r << ',' << c;
    }
}
