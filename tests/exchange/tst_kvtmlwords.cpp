// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// KVTML 2 vocabulary files: the languages offered, the words and recordings of one language, and the
// documents that are refused (malformed XML with its line and column, entity bombs, other formats).
#include "Exceptions.h"
#include "ExchangeTestFiles.h"
#include "KvtmlWords.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Exchange;

namespace {

// A vocabulary file with English (0) and German (1) and the given entries, after a document type with
// the given declarations if there are any.
QByteArray vocabulary(const QByteArray &entries, const QByteArray &declarations = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" +
           (declarations.isEmpty() ? QByteArray() : "<!DOCTYPE kvtml [\n" + declarations + "]>\n") +
           "<kvtml version=\"2.0\">\n"
           "<identifiers>\n"
           "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
           "<identifier id=\"1\"><name>German</name><locale>de</locale></identifier>\n"
           "</identifiers>\n"
           "<entries>\n" +
           entries +
           "</entries>\n"
           "</kvtml>\n";
}

} // namespace

class TestKvtmlWords : public QObject
{
    Q_OBJECT

private slots:
    void languagesOfTheFixture();
    void wordsOfTheFixture_data();
    void wordsOfTheFixture();
    void sounds_data();
    void sounds();
    void refused_data();
    void refused();
};

void TestKvtmlWords::languagesOfTheFixture()
{
    const QList<KvtmlLanguage> languages = kvtmlLanguages(TestFiles::fixture("exchange/words.kvtml"));
    QCOMPARE(languages, (QList<KvtmlLanguage>{{"0", "English", "en"}, {"1", "Deutsch", "de"}}));
}

void TestKvtmlWords::wordsOfTheFixture_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words"); // recordings relative to the fixtures' folder
    // An entry without a translation in the language is left out; a missing sound file is no recording;
    // the translation's first example is the word's sentence.
    const QStringList english{"cat <- file:cat.mp3 / The cat sat on the mat.", "house",
                              "fish & chips / Fish & chips, please."};
    QTest::newRow("the first language when none is chosen") << "" << english;
    QTest::newRow("English") << "0" << english;
    QTest::newRow("German") << "1"
                            << QStringList{"Katze", "Haus <- file:house.mp3 / Das Haus ist alt.", "Maus"};
}

void TestKvtmlWords::wordsOfTheFixture()
{
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    const WordList list = readKvtmlFile(TestFiles::fixture("exchange/words.kvtml"), language);
    QCOMPARE(TestFiles::described(list, QStringLiteral(SPELLDECK_FIXTURES)), words);
    QCOMPARE(list.name, QStringLiteral("words"));
}

void TestKvtmlWords::sounds_data()
{
    QTest::addColumn<QString>("sound"); // {dir} stands for the file's folder
    QTest::addColumn<QString>("found"); // relative to the file's folder; empty for no recording
    QTest::newRow("relative") << "sounds/cat one.mp3"
                              << "sounds/cat one.mp3";
    QTest::newRow("absolute") << "{dir}/sounds/cat one.mp3"
                              << "sounds/cat one.mp3";
    QTest::newRow("file URL") << "file://{dir}/sounds/cat%20one.mp3"
                              << "sounds/cat one.mp3";
    QTest::newRow("file URL, blanks around") << "  file://{dir}/sounds/cat%20one.mp3\n"
                                             << "sounds/cat one.mp3";
    QTest::newRow("web address") << "https://example.org/sounds/cat%20one.mp3"
                                 << "";
    QTest::newRow("missing file") << "sounds/dog.mp3"
                                  << "";
    QTest::newRow("a folder") << "sounds"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestKvtmlWords::sounds()
{
    QFETCH(QString, sound);
    QFETCH(QString, found);
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath("sounds/cat one.mp3"), "meow"));
    const QString file = dir.filePath("animals.kvtml");
    const QByteArray escaped = sound.replace("{dir}", dir.path()).toHtmlEscaped().toUtf8();
    QVERIFY(
        TestFiles::write(file, vocabulary("<entry id=\"0\"><translation id=\"0\"><text>cat</text><sound>" +
                                          escaped + "</sound></translation></entry>\n")));
    const WordList list = readKvtmlFile(file, "0");
    QCOMPARE(TestFiles::described(list, dir.path()),
             QStringList{found.isEmpty() ? QStringLiteral("cat") : "cat <- file:" + found});
}

void TestKvtmlWords::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message"); // {file} stands for the file's path; ... for Qt's own words

    QTest::newRow("unclosed element")
        << QByteArray("<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n  <entries>\n    <entry id=\"0\">\n"
                      "  </entries>\n</kvtml>\n")
        << "0"
        << "\"{file}\" is not well-formed XML: ... (line 5, column 12).";
    QTest::newRow("not UTF-8")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>caf\xE9</text></translation></entry>\n")
        << "0"
        << "Line 8 of \"{file}\" is not UTF-8 text: save the file as UTF-8 and try again.";
    QTest::newRow("Latin-1, declared")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                      "<kvtml version=\"2.0\"><entries>\xFF<oops></entries></kvtml>")
        << "0"
        << "\"{file}\" is not well-formed XML: ... (line 2, column 47).";
    QTest::newRow("NUL byte") << QByteArray("<kvtml version=\"2.0\">\n<entries>\0</entries></kvtml>", 48)
                              << "0"
                              << "Line 2 of \"{file}\" holds a NUL character: it is not a text file.";
    QTest::newRow("empty file") << QByteArray() << "0"
                                << "\"{file}\" is not well-formed XML: ... (line 1, column 0).";
    // Ten levels of ten: 10^10 "lol"s if expanded.
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= 10; ++level) {
        laughs += "<!ENTITY lol" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            laughs += "&lol" + QByteArray::number(level - 1) + ";";
        laughs += "\">\n";
    }
    laughs += "]>\n<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/></identifiers><entries><entry "
              "id=\"0\">"
              "<translation id=\"0\"><text>&lol10;</text></translation></entry></entries></kvtml>\n";
    QTest::newRow("billion laughs") << laughs << "0"
                                    << "\"{file}\" was refused: its entity \"lol4\" expands to more than "
                                       "4096 characters.";
    QTest::newRow("one entity past the limit")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>&long;</text></translation></entry>\n",
                      "<!ENTITY long \"" + QByteArray(5000, 'o') + "\">\n")
        << "0"
        << "\"{file}\" was refused: its entity \"long\" expands to more than 4096 characters.";
    // Each reference stays under the limit; 300 of them make 1.2 million characters.
    QTest::newRow("an entity referenced too often")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>" + QByteArray("&long;").repeated(300) +
                          "</text></translation></entry>\n",
                      "<!ENTITY long \"" + QByteArray(4000, 'o') + "\">\n")
        << "0"
        << "\"{file}\" was refused: its entities expand to more than 1000000 characters in all.";
    // Measuring stops at the cycle; the reader refuses the reference.
    QTest::newRow("an entity inside itself")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>&cat;</text></translation></entry>\n",
                      "<!ENTITY cat \"c&at;\">\n<!ENTITY at \"a&cat;t\">\n")
        << "0"
        << "\"{file}\" is not well-formed XML: ... (line 12, column ...";
    QTest::newRow("another XML format")
        << QByteArray("<?xml version=\"1.0\"?>\n<html><body/></html>\n") << "0"
        << "\"{file}\" is not a KVTML vocabulary file.";
    QTest::newRow("KVTML 1")
        << QByteArray("<?xml version=\"1.0\"?>\n<kvtml version=\"1.0\"><e><o>cat</o></e></kvtml>\n") << "0"
        << "\"{file}\" is not a KVTML 2 vocabulary file (its version is \"1.0\").";
    QTest::newRow("malformed after the entries")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>cat</text></translation></entry>\n") +
               "<oops>"
        << "0"
        << "\"{file}\" is not well-formed XML: ... (line 11, column 6).";
    QTest::newRow("no entries") << vocabulary("") << "0"
                                << "There are no entries in \"{file}\".";
    QTest::newRow("no words in the language")
        << vocabulary("<entry id=\"0\"><translation id=\"1\"><text>Katze</text></translation></entry>\n"
                      "<entry id=\"1\"><translation id=\"0\"><text>  </text></translation></entry>\n")
        << "0"
        << "There are no words in \"{file}\" in the language \"English\".";
    QTest::newRow("unknown language")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>cat</text></translation></entry>\n") << "7"
        << "\"{file}\" has no language with the id \"7\".";
    QTest::newRow("word too long")
        << vocabulary("<entry id=\"0\"><translation id=\"0\"><text>cat</text></translation></entry>\n"
                      "<entry id=\"12\"><translation id=\"0\"><text>" +
                      QByteArray(256, 'w') + "</text></translation></entry>\n")
        << "0"
        << "Entry 12 of \"{file}\": the word is longer than 255 characters.";
    QTest::newRow("example too long")
        << vocabulary("<entry id=\"4\"><translation id=\"0\"><text>cat</text><example>" +
                      QByteArray(256, 's') + "</example></translation></entry>\n")
        << "0"
        << "Entry 4 of \"{file}\": the sentence is longer than 255 characters.";
}

void TestKvtmlWords::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath("animals.kvtml");
    QVERIFY(TestFiles::write(file, bytes));
    try {
        readKvtmlFile(file, language);
        QFAIL("the file was taken");
    } catch (const Exception &e) {
        // Qt's own words for an XML error are left open; everything around them is compared.
        const QStringList parts = QString(message).replace("{file}", file).split("...");
        QVERIFY2(e.message().startsWith(parts.constFirst()), qPrintable(e.message()));
        QVERIFY2(e.message().endsWith(parts.constLast()), qPrintable(e.message()));
        if (parts.size() == 3)
            QVERIFY2(e.message().contains(parts.at(1)), qPrintable(e.message()));
    }
}

QTEST_GUILESS_MAIN(TestKvtmlWords)
#include "tst_kvtmlwords.moc"
