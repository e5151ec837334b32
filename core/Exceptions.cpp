// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Exceptions.h"

#include <QCoreApplication>

EListError::EListError(qsizetype index)
    : Exception(QCoreApplication::translate("EListError", "List index out of bounds (%1)").arg(index))
{
}
