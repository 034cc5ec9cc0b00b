#pragma once

// The download-shaped rate files in tests/data/import, for the import tests:
// read as the program reads them, or as bytes to reshape.

#include "ratefiles/RateFile.h"
#include "tests/TestSupport.h"

#include <QByteArray>
#include <QString>

namespace RateFileFixtures {

// The file read and recognised; fails the test (and gives an empty file) when
// it cannot be.
ratefiles::RateFile readOk(const QString& fileName);

// The file's bytes; empty when it cannot be read.
QByteArray fixture(const QString& fileName);

} // namespace RateFileFixtures
