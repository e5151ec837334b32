// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"

#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"

#include <QCoreApplication>

#include <algorithm>

namespace Catalogue {
namespace {

// Only an identifier made of decimal digits may reach a statement text.
const QString &identifier(const QString &id)
{
    const bool digits = !id.isEmpty() && std::all_of(id.cbegin(), id.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits)
        throw EDatabaseError(
            QCoreApplication::translate("Catalogue", "\"%1\" is not a valid record identifier").arg(id));
    return id;
}

} // namespace

QString escaped(const QString &value)
{
    return QString(value).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString ListLists()
{
    return QStringLiteral("select * from d_type");
}

QString DeleteList(const QString &typeId)
{
    return QStringLiteral("delete from d_type where type_id = ") + identifier(typeId);
}

QString RenameList(const QString &name, const QString &typeId)
{
    return QStringLiteral("update d_type set type_name ='") + escaped(name) +
           QStringLiteral("' where type_id = ") + identifier(typeId);
}

QString ListWords(const QString &typeId)
{
    return QStringLiteral("select * from d_word where type_id =") + identifier(typeId) +
           QStringLiteral(" order by word_order");
}

QString InsertWord(const QString &word, const QString &sound, const QString &typeId, qint32 order)
{
    return QStringLiteral("insert into d_word(word_name, word_sound, type_id, word_order) values(") +
           QLatin1Char('\'') + escaped(word) + QStringLiteral("',") + QLatin1Char('\'') + escaped(sound) +
           QStringLiteral("',") + identifier(typeId) + QLatin1Char(',') + QString::number(order) +
           QLatin1Char(')');
}

QString UpdateWord(const QString &word, const QString &sound, const QString &wordId)
{
    return QStringLiteral("update d_word set word_name ='") + escaped(word) +
           QStringLiteral("', word_sound='") + escaped(sound) + QStringLiteral("' where word_id=") +
           identifier(wordId);
}

QString DeleteWord(const QString &wordId)
{
    return QStringLiteral("delete from d_word where word_id = ") + identifier(wordId);
}

QString SetWordOrder(qint32 order, const QString &wordId)
{
    return QStringLiteral("update d_word set word_order = ") + QString::number(order) +
           QStringLiteral(" where word_id = ") + identifier(wordId);
}

QString AppendList(Table &tblType, const QString &name)
{
    tblType.close();
    tblType.setTableName(Schema::kTypeTable);
    tblType.open();
    tblType.append();
    tblType.setFieldValue(Schema::kTypeName, name);
    tblType.post();
    tblType.last();
    return tblType.fieldByName(Schema::kTypeId);
}

} // namespace Catalogue
