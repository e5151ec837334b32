#include "Exceptions.h"

EListError::EListError(qsizetype index)
    : Exception(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}
