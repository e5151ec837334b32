// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class DataSet;

// One word list (a row of d_type).
class TTypeData
{
public:
    QString ID; // type_id as decimal digits
    QString Name;
};

// One word (a row of d_word).
class TData
{
public:
    QString ID; // word_id as decimal digits
    QString Name;
    QString Sound;    // the sound file's path exactly as stored
    qint32 Order = 0; // 1-based position in its list as the editor holds it
    QString Sentence; // spoken with the word; kept apart from the row (see Sentences), empty for none
};

// The current row of a d_type result.
TTypeData typeDataFromRow(const DataSet &row);
// The current row of a d_word result; Order is the row's place in the result, whatever position
// is stored.
TData dataFromRow(const DataSet &row);
