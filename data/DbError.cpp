#include "data/DbError.h"

namespace data {

DbError::DbError(ErrorValue value, const QString& description)
    : std::runtime_error(description.toStdString()), value_(value), description_(description)
{
}

} // namespace data
