#include "tests/RateFileFixtures.h"

#include <QFile>

#include <gtest/gtest.h>

namespace RateFileFixtures {

namespace {

QString dataPath(const QString& fileName)
{
    return QStringLiteral(TALLYVANE_IMPORT_DATA) + u'/' + fileName;
}

} // namespace

ratefiles::RateFile readOk(const QString& fileName)
{
    const ratefiles::RateFileResult r = ratefiles::readRateFile(dataPath(fileName));
    EXPECT_TRUE(r.ok()) << TestSupport::str(r.error);
    return r.ok() ? *r.file : ratefiles::RateFile{};
}

QByteArray fixture(const QString& fileName)
{
    QFile f(dataPath(fileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace RateFileFixtures
