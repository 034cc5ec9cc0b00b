#include "data/DbError.h"

namespace MOD_Data {

DbError::DbError(long number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

} // namespace MOD_Data
