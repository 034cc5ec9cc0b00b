#include "data/DbError.h"

namespace MOD_Data {

DbError::DbError(ErrorValue value, const QString& description)
    : std::runtime_error(description.toStdString()), value_(value), description_(description)
{
}

} // namespace MOD_Data
