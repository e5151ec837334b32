#include "Exceptions.h"

#include <QCoreApplication>

EListError::EListError(qsizetype index)
    : Exception(QCoreApplication::translate("EListError", "List index out of bounds (%1)").arg(index))
{
}
