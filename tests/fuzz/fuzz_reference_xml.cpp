// Feeds arbitrary bytes as "ParquetixData.xml" to the reference list reader:
// it either succeeds or fails with an error naming the file and the line, and
// a failure leaves every list empty.
#include "model/settings/TReferenceLists.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TReferenceLists lists;
    QString error;
    if (TReferenceLists::Parse(bytes, QStringLiteral("ParquetixData.xml"), lists, &error))
        return 0;
    if (!error.startsWith(QStringLiteral("ParquetixData.xml, line ")) || !lists.DefenseModes.isEmpty() ||
        !lists.TurnoverTypes.isEmpty() || !lists.FoulTypes.isEmpty())
        std::abort();
    return 0;
}
