// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uGlobal.h"

#include "Dataset.h"
#include "Schema.h"

TTypeData typeDataFromRow(const DataSet &row)
{
    return {row.fieldByName(Schema::kTypeId), row.fieldByName(Schema::kTypeName)};
}

TData dataFromRow(const DataSet &row)
{
    return {row.fieldByName(Schema::kWordId), row.fieldByName(Schema::kWordName),
            row.fieldByName(Schema::kWordSound), row.recNo(), QString()};
}
