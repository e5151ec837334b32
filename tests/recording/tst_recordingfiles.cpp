// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Recording files: names made from words, and writes that never replace a file or leave half of one.
#include "Exceptions.h"
#include "RecordingFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestRecordingFiles : public QObject
{
    Q_OBJECT

private slots:
    void baseName_data();
    void baseName();
    void writesUnderTheWordsName();
    void takenNamesGetANumber();
    void folderIsMadeAndPathStaysRelative();
    void unwritableFolderIsNamedAndLeavesNothing();
    void discardRemovesOnlyThatFile();
};

void TestRecordingFiles::baseName_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "apple"
                           << "apple";
    QTest::newRow("blank inside") << "ice cream"
                                  << "ice_cream";
    QTest::newRow("single quote") << "Tom's"
                                  << "Tom_s";
    QTest::newRow("double quotes") << "say \"hi\""
                                   << "say__hi_";
    QTest::newRow("slashes and backslash") << "a/b\\c"
                                           << "a_b_c";
    QTest::newRow("leading dots") << "..hidden"
                                  << "__hidden";
    QTest::newRow("a path out of the folder") << "../../etc/passwd"
                                              << "______etc_passwd";
    QTest::newRow("only punctuation") << "?!*"
                                      << "___";
    QTest::newRow("German") << QStringLiteral("Größe") << QStringLiteral("Größe");
    QTest::newRow("Greek") << QStringLiteral("λέξη") << QStringLiteral("λέξη");
    QTest::newRow("Chinese") << QStringLiteral("漢字") << QStringLiteral("漢字");
    QTest::newRow("Hindi, with vowel signs") << QStringLiteral("नमस्ते") << QStringLiteral("नमस्ते");
    QTest::newRow("decomposed accent") << QStringLiteral("cafe\u0301") << QStringLiteral("cafe\u0301");
    QTest::newRow("digits of another script") << QStringLiteral("٢٠٢٦") << QStringLiteral("٢٠٢٦");
    QTest::newRow("emoji") << QStringLiteral("🍎 apple") << QStringLiteral("__apple");
    QTest::newRow("empty") << ""
                           << "recording";
    QTest::newRow("255 characters") << QString(255, QLatin1Char('w')) << QString(60, QLatin1Char('w'));
    // A letter outside the basic plane is two UTF-16 units: it is never cut in half.
    QTest::newRow("cut before a long letter")
        << QString(59, QLatin1Char('a')) + QStringLiteral("𝒜") << QString(59, QLatin1Char('a'));
}

void TestRecordingFiles::baseName()
{
    QFETCH(QString, word);
    QFETCH(QString, name);
    QCOMPARE(RecordingFiles::baseName(word), name);
}

void TestRecordingFiles::writesUnderTheWordsName()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sounds"));
    const QString path = RecordingFiles::writeNew(folder, QStringLiteral("it's"), QByteArray("ID3 data"));
    QCOMPARE(path, folder + QStringLiteral("/it_s.mp3"));
    QCOMPARE(contents(path), QByteArray("ID3 data"));
    // Nothing else: the temporary file became the recording.
    QCOMPARE(filesIn(folder), QStringList{"it_s.mp3"});
    QVERIFY(QFileInfo(path).permissions().testFlag(QFile::ReadOther));
}

void TestRecordingFiles::takenNamesGetANumber()
{
    QTemporaryDir dir;
    QFile mine(dir.filePath(QStringLiteral("apple.mp3")));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("the teacher's own");
    mine.close();

    QCOMPARE(RecordingFiles::writeNew(dir.path(), QStringLiteral("apple"), "2"), dir.filePath("apple-2.mp3"));
    QCOMPARE(RecordingFiles::writeNew(dir.path(), QStringLiteral("apple"), "3"), dir.filePath("apple-3.mp3"));
    // Another word that gives the same name takes the next number.
    QCOMPARE(RecordingFiles::writeNew(dir.path(), QStringLiteral("apple?"), "4"), dir.filePath("apple_.mp3"));
    QCOMPARE(RecordingFiles::writeNew(dir.path(), QStringLiteral("apple!"), "5"),
             dir.filePath("apple_-2.mp3"));
    QCOMPARE(contents(dir.filePath("apple.mp3")), QByteArray("the teacher's own"));
    QCOMPARE(contents(dir.filePath("apple-3.mp3")), QByteArray("3"));
    QCOMPARE(filesIn(dir.path()),
             (QStringList{"apple-2.mp3", "apple-3.mp3", "apple.mp3", "apple_-2.mp3", "apple_.mp3"}));
}

void TestRecordingFiles::folderIsMadeAndPathStaysRelative()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QString path;
    try {
        path = RecordingFiles::writeNew(QStringLiteral("data/sounds"), QStringLiteral("Größe"), "x");
    } catch (const Exception &e) {
        QDir::setCurrent(previous);
        QFAIL(qPrintable(e.message()));
    }
    QDir::setCurrent(previous);
    QCOMPARE(path, QStringLiteral("data/sounds/Größe.mp3"));
    QCOMPARE(contents(dir.filePath(path)), QByteArray("x"));
}

void TestRecordingFiles::unwritableFolderIsNamedAndLeavesNothing()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sounds"));
    QVERIFY(QDir().mkpath(folder));
    // Root writes anywhere: an immutable folder stops it too.
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0 && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) != 0)
        QSKIP("the folder cannot be made read-only here: chattr failed");
    QString message;
    try {
        RecordingFiles::writeNew(folder, QStringLiteral("apple"), "x");
    } catch (const Exception &e) {
        message = e.message();
    }
    if (::geteuid() == 0)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(message.contains(QStringLiteral("\"%1\"").arg(folder)), qPrintable(message));
    QCOMPARE(filesIn(folder), QStringList());

    // A file where the folder should be.
    const QString blocked = dir.filePath(QStringLiteral("file"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY_THROWS_EXCEPTION(Exception,
                             RecordingFiles::writeNew(blocked + QStringLiteral("/sub"), "apple", "x"));
}

void TestRecordingFiles::discardRemovesOnlyThatFile()
{
    QTemporaryDir dir;
    const QString kept = RecordingFiles::writeNew(dir.path(), QStringLiteral("kept"), "k");
    const QString dropped = RecordingFiles::writeNew(dir.path(), QStringLiteral("dropped"), "d");
    RecordingFiles::discard(dropped);
    RecordingFiles::discard(dropped); // already gone
    RecordingFiles::discard(QString());
    QCOMPARE(filesIn(dir.path()), QStringList{"kept.mp3"});
    QCOMPARE(contents(kept), QByteArray("k"));
}

QTEST_GUILESS_MAIN(TestRecordingFiles)
#include "tst_recordingfiles.moc"
