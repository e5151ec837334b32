// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sentences of words: a file gains their table only when the first one is stored, they travel with
// the characters a teacher types, and a word or list removed by the usual statements takes its
// sentences along.
#include "Catalogue.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "Sentences.h"
#include "SqlRows.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

QByteArray digest(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

TData withSentence(const QString &sentence)
{
    TData word;
    word.Sentence = sentence;
    return word;
}

// The first release's file: lists 1 "Week 1" (words 1 apple, 2 house, 3 green) and 2 (words 4, 5).
struct VersionOne
{
    VersionOne()
    {
        file = dir.filePath(QStringLiteral("data.db"));
        QFile::copy(fixture(QStringLiteral("schema/version1.db")), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        connection.setDatabasePath(file);
    }
    QTemporaryDir dir;
    QString file;
    Connection connection;
};

} // namespace

class TestSentences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingAndEmptySentencesLeaveTheFileAsItWas();
    void theFirstSentenceAddsTheirTable();
    void sentencesKeepTheirText_data();
    void sentencesKeepTheirText();
    void changedAndRemoved();
    void removedWordsAndListsTakeTheirSentences();
    void unpreparedFileRefusesASentence();
};

void TestSentences::readingAndEmptySentencesLeaveTheFileAsItWas()
{
    VersionOne db;
    const QByteArray before = digest(db.file);
    QVERIFY(!Sentences::kept(db.connection));
    QVERIFY(Sentences::ofList(db.connection, QStringLiteral("1")).isEmpty());
    Sentences::prepareFor(db.connection, {withSentence({}), TData()});
    {
        Transaction transaction(db.connection);
        Sentences::store(db.connection, QStringLiteral("1"), QString());
        transaction.commit();
    }
    db.connection.close();
    QCOMPARE(digest(db.file), before);
}

void TestSentences::theFirstSentenceAddsTheirTable()
{
    VersionOne db;
    const QStringList words = sqlRows(db.connection, QStringLiteral("select * from d_word order by word_id"));
    Sentences::prepareFor(db.connection, {TData(), withSentence(QStringLiteral("An apple a day."))});
    QVERIFY(Sentences::kept(db.connection));
    QCOMPARE(sqlRows(db.connection, QStringLiteral("pragma user_version")), QStringList{"4"});
    QCOMPARE(sqlRows(db.connection, QStringLiteral("select count(*) from d_sentence")), QStringList{"0"});
    // The words' own rows are untouched.
    QCOMPARE(sqlRows(db.connection, QStringLiteral("select * from d_word order by word_id")), words);
}

void TestSentences::sentencesKeepTheirText_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::newRow("quotes") << QStringLiteral("They're \"here\"; it's 'theirs'.");
    QTest::newRow("accents and other scripts") << QStringLiteral("Der Bär schläft. 熊在睡觉。");
    QTest::newRow("a statement's own characters") << QStringLiteral("x'); drop table d_word; --");
    QTest::newRow("the longest") << QString(255, QChar(0x00E9));
}

void TestSentences::sentencesKeepTheirText()
{
    QFETCH(QString, sentence);
    VersionOne db;
    Sentences::prepareFor(db.connection, {withSentence(sentence)});
    {
        Transaction transaction(db.connection);
        Sentences::store(db.connection, QStringLiteral("2"), sentence);
        transaction.commit();
    }
    const QHash<QString, QString> read = Sentences::ofList(db.connection, QStringLiteral("1"));
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.value(QStringLiteral("2")), sentence);
    // Another list's words have none.
    QVERIFY(Sentences::ofList(db.connection, QStringLiteral("2")).isEmpty());
    QCOMPARE(sqlRows(db.connection, QStringLiteral("select count(*) from d_word")), QStringList{"5"});
}

void TestSentences::changedAndRemoved()
{
    VersionOne db;
    Sentences::prepareFor(db.connection, {withSentence(QStringLiteral("first"))});
    Sentences::store(db.connection, QStringLiteral("1"), QStringLiteral("The apple is red."));
    Sentences::store(db.connection, QStringLiteral("3"), QStringLiteral("The grass is green."));
    Sentences::store(db.connection, QStringLiteral("1"), QStringLiteral("The apple is ripe."));
    QCOMPARE(
        sqlRows(db.connection, QStringLiteral("select word_id, sentence from d_sentence order by word_id")),
        (QStringList{"1|The apple is ripe.", "3|The grass is green."}));
    Sentences::store(db.connection, QStringLiteral("1"), QString());
    QCOMPARE(
        sqlRows(db.connection, QStringLiteral("select word_id, sentence from d_sentence order by word_id")),
        (QStringList{"3|The grass is green."}));
    QList<TData> words(2);
    words[0].ID = QStringLiteral("1");
    words[1].ID = QStringLiteral("3");
    Sentences::fill(db.connection, QStringLiteral("1"), words);
    QCOMPARE(words.at(0).Sentence, QString());
    QCOMPARE(words.at(1).Sentence, QStringLiteral("The grass is green."));
}

void TestSentences::removedWordsAndListsTakeTheirSentences()
{
    VersionOne db;
    Sentences::prepareFor(db.connection, {withSentence(QStringLiteral("first"))});
    for (const QString id : {"1", "2", "3", "4", "5"})
        Sentences::store(db.connection, id, QStringLiteral("Sentence of ") + id);
    Query query(db.connection);
    query.setSQL(Catalogue::DeleteWord(QStringLiteral("2")));
    query.execSQL();
    query.setSQL(Catalogue::DeleteList(QStringLiteral("2")));
    query.execSQL();
    QCOMPARE(sqlRows(db.connection, QStringLiteral("select word_id from d_sentence order by word_id")),
             (QStringList{"1", "3"}));
}

void TestSentences::unpreparedFileRefusesASentence()
{
    VersionOne db;
    try {
        Sentences::store(db.connection, QStringLiteral("1"), QStringLiteral("An apple."));
        QFAIL("a sentence was stored in a file without their table");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("no such table: d_sentence"));
    }
    QCOMPARE(sqlRows(db.connection, QStringLiteral("pragma user_version")), QStringList{"1"});
}

QTEST_GUILESS_MAIN(TestSentences)
#include "tst_sentences.moc"
