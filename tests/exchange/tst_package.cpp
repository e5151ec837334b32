// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// .spelldeck packages: writing one (atomically, with what is left out counted), bringing its recordings
// in (each member once, nothing left behind unless kept), and the archives that are refused before
// anything is extracted. The hostile archives are made here with libzip itself.
#include "Exceptions.h"
#include "ExchangeTestFiles.h"
#include "ImportedRecordings.h"
#include "PackageArchive.h"
#include "PackageReader.h"
#include "PackageWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

using namespace Exchange;

namespace {

struct Member
{
    QByteArray name;
    QByteArray data;
    bool deflate = false;
    quint32 mode = 0100644; // Unix type and permissions
    bool encrypt = false;
    bool cp437 = false; // the name's bytes are CP437, as archivers without UTF-8 write them
};

// How the archive is damaged once written.
enum class Damage
{
    None,
    CutInHalf,
    CutLastByte,
    FlipRecordingByte, // a byte of the data of "sounds/cat.mp3"
    SecondNameAsFirst, // "sounds/dog.mp3" renamed "sounds/cat.mp3"
    SecondListAsFirst, // "spelldeck.js0n" renamed "spelldeck.json"
    Cp437NameAsUtf8,   // "sounds/\x82.mp3" (é in CP437) renamed "sounds/\x81.mp3" (ü)
    DeclaredSizesLie,  // every recording declares 1,000 bytes
    DogDeclaresLittle  // "sounds/dog.mp3" declares 1,000 bytes
};

} // namespace

using TestFiles::word;

Q_DECLARE_METATYPE(QList<Member>)
Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Exchange::PackageLimits)

namespace {

QByteArray manifest(const QByteArray &words, const QByteArray &head = "\"format\": 1, \"name\": \"Pets\"")
{
    return "{" + head + ", \"words\": [" + words + "]}";
}

Member manifestMember(const QByteArray &json)
{
    return {"spelldeck.json", json};
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.generate() & 0xFF);
    return bytes;
}

bool makeZip(const QString &path, const QList<Member> &members)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const Member &member : members) {
        zip_source_t *source =
            zip_source_buffer(archive, member.data.constData(), zip_uint64_t(member.data.size()), 0);
        const zip_int64_t index = zip_file_add(archive, member.name.constData(), source,
                                               member.cp437 ? ZIP_FL_ENC_CP437 : ZIP_FL_ENC_UTF_8);
        if (index < 0 ||
            zip_set_file_compression(archive, zip_uint64_t(index),
                                     member.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9) ||
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             member.mode << 16) ||
            (member.encrypt &&
             zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_AES_256, "secret"))) {
            qWarning("cannot add %s: %s", member.name.constData(), zip_strerror(archive));
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

void putLittleEndian(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

// Both headers of every member whose name starts with `prefix` claim `size` uncompressed bytes.
void declareSize(QByteArray &bytes, const QByteArray &prefix, quint32 size)
{
    for (qsizetype at = bytes.indexOf("PK\x03\x04"); at >= 0; at = bytes.indexOf("PK\x03\x04", at + 4)) {
        if (bytes.mid(at + 30, prefix.size()) == prefix)
            putLittleEndian(bytes, at + 22, size);
    }
    for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0; at = bytes.indexOf("PK\x01\x02", at + 4)) {
        if (bytes.mid(at + 46, prefix.size()) == prefix)
            putLittleEndian(bytes, at + 24, size);
    }
}

bool damage(const QString &path, Damage how, const QByteArray &recording)
{
    QByteArray bytes = TestFiles::contents(path);
    switch (how) {
    case Damage::None:
        return true;
    case Damage::CutInHalf:
        bytes.truncate(bytes.size() / 2);
        break;
    case Damage::CutLastByte:
        bytes.chop(1);
        break;
    case Damage::FlipRecordingByte: {
        const qsizetype at = bytes.indexOf(recording);
        if (at < 0)
            return false;
        bytes[at + recording.size() / 2] = char(bytes.at(at + recording.size() / 2) ^ 0x55);
        break;
    }
    // libzip adds no name twice: one of the same length is written, then renamed in both headers.
    case Damage::SecondNameAsFirst:
        bytes.replace("sounds/dog.mp3", "sounds/cat.mp3");
        break;
    case Damage::SecondListAsFirst:
        bytes.replace("spelldeck.js0n", "spelldeck.json");
        break;
    case Damage::Cp437NameAsUtf8:
        bytes.replace("sounds/\x82.mp3", "sounds/\x81.mp3");
        break;
    case Damage::DeclaredSizesLie:
        declareSize(bytes, "sounds/", 1000);
        break;
    case Damage::DogDeclaresLittle:
        declareSize(bytes, "sounds/dog.mp3", 1000);
        break;
    }
    return TestFiles::write(path, bytes);
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void recordingsOfTheFixtureAreBroughtInOnce();
    void writtenPackageReadsBack();
    void sentencesChooseTheFormat();
    void sentencesRead_data();
    void sentencesRead();
    void writingReplacesAFileAtOnce();
    void writingRefused_data();
    void writingRefused();
    void cancelledWritingLeavesTheOldFile();
    void failingProgressReportLeavesTheOldFile();
    void hostileArchives_data();
    void hostileArchives();
};

void TestPackage::recordingsOfTheFixtureAreBroughtInOnce()
{
    QTemporaryDir dir;
    const QString sounds = dir.filePath("sounds");
    // A recording of the same name is already there: it is kept and the new one is numbered.
    QVERIFY(TestFiles::write(sounds + "/cat.mp3", "the teacher's own cat"));
    const WordList list = readPackage(TestFiles::fixture("exchange/words.spelldeck"));
    {
        ImportedRecordings recordings;
        const QStringList paths = recordings.bringIn(list, sounds);
        QCOMPARE(paths,
                 (QStringList{sounds + "/cat-2.mp3", sounds + "/house.mp3", sounds + "/cat-2.mp3", ""}));
        QCOMPARE(TestFiles::contents(paths.at(0)), TestFiles::contents(TestFiles::fixture("cat.mp3")));
        QCOMPARE(TestFiles::contents(paths.at(1)), TestFiles::contents(TestFiles::fixture("house.mp3")));
        QCOMPARE(TestFiles::filesBelow(sounds), (QStringList{"cat-2.mp3", "cat.mp3", "house.mp3"}));
    }
    // Not kept: gone again, and the teacher's file untouched.
    QCOMPARE(TestFiles::filesBelow(sounds), QStringList{"cat.mp3"});
    QCOMPARE(TestFiles::contents(sounds + "/cat.mp3"), QByteArray("the teacher's own cat"));
    {
        ImportedRecordings recordings;
        recordings.bringIn(list, sounds);
        recordings.keep();
    }
    QCOMPARE(TestFiles::filesBelow(sounds), (QStringList{"cat-2.mp3", "cat.mp3", "house.mp3"}));
}

void TestPackage::writtenPackageReadsBack()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath("cwd/data/sounds/cat.mp3"), "cat recording"));
    QVERIFY(TestFiles::write(dir.filePath("program/sounds/dog.mp3"), "dog recording"));
    QVERIFY(TestFiles::write(dir.filePath("elsewhere/ice cream.mp3"), "ice cream recording"));
    QVERIFY(TestFiles::write(dir.filePath("elsewhere/ice-cream.mp3"), "ice-cream recording"));
    QVERIFY(QDir().mkpath(dir.filePath("cwd/data/sounds/folder.mp3")));
    QVERIFY(QDir().mkpath(dir.filePath("out")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.filePath("cwd"));
    const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
    const QList<TData> words{
        word("cat", "data/sounds/cat.mp3"),                         // relative to the current folder
        word("dog", "sounds/dog.mp3"),                              // relative to the program's folder
        word("ice cream", dir.filePath("elsewhere/ice cream.mp3")), // absolute
        word("ice-cream", dir.filePath("elsewhere/ice-cream.mp3")), // same member name as the one before
        word("bird", "data/sounds/bird.mp3"),                       // missing
        word("fish", ""),                                           // none
        word("folder", "data/sounds/folder.mp3"),                   // not a file
        word(QStringLiteral("Größe"), "data/sounds/cat.mp3"),       // cat's recording, stored once
    };
    std::vector<std::pair<qint64, qint64>> reports;
    const Progress progress([&](qint64 done, qint64 total) { reports.emplace_back(done, total); });
    const ExportResult result = writePackage(dir.filePath("out/pets.spelldeck"), "Pets & birds", words,
                                             dir.filePath("program") + '/', progress);
    QCOMPARE(result.words, 8);
    QCOMPARE(result.withoutRecording, 3);
    QVERIFY(!reports.empty());
    QCOMPARE(reports.back(), (std::pair<qint64, qint64>(8, 8)));
    QVERIFY(std::is_sorted(reports.begin(), reports.end()));
    QCOMPARE(TestFiles::filesBelow(dir.filePath("out")), QStringList{"pets.spelldeck"});

    const WordList list = readPackage(dir.filePath("out/pets.spelldeck"));
    QCOMPARE(list.name, QStringLiteral("Pets & birds"));
    QCOMPARE(
        TestFiles::described(list),
        (QStringList{"cat <- member:sounds/cat.mp3", "dog <- member:sounds/dog.mp3",
                     "ice cream <- member:sounds/ice_cream.mp3", "ice-cream <- member:sounds/ice_cream-2.mp3",
                     "bird", "fish", "folder", QStringLiteral("Größe <- member:sounds/cat.mp3")}));
    ImportedRecordings recordings;
    const QStringList paths = recordings.bringIn(list, dir.filePath("in"));
    QCOMPARE(TestFiles::contents(paths.at(0)), QByteArray("cat recording"));
    QCOMPARE(TestFiles::contents(paths.at(1)), QByteArray("dog recording"));
    QCOMPARE(TestFiles::contents(paths.at(2)), QByteArray("ice cream recording"));
    QCOMPARE(TestFiles::contents(paths.at(3)), QByteArray("ice-cream recording"));
    QCOMPARE(TestFiles::contents(paths.at(7)), QByteArray("cat recording"));
}

void TestPackage::sentencesChooseTheFormat()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath("cat.mp3"), "cat recording"));
    QList<TData> words{word("their", dir.filePath("cat.mp3")), word("there", ""), word("they're", "")};
    const QString without = dir.filePath("without.spelldeck");
    writePackage(without, "Homophones", words, "/nowhere/");
    // Without sentences, the first format: every earlier version reads it.
    QCOMPARE(QJsonDocument::fromJson(PackageArchive(without).read("spelldeck.json")).object().value("format"),
             QJsonValue(1));

    words[0].Sentence = QStringLiteral("They took their coats.");
    words[2].Sentence = QStringLiteral("They're \"late\" again, aren't they?");
    const QString with = dir.filePath("with.spelldeck");
    writePackage(with, "Homophones", words, "/nowhere/");
    const QJsonObject manifest =
        QJsonDocument::fromJson(PackageArchive(with).read("spelldeck.json")).object();
    QCOMPARE(manifest.value("format"), QJsonValue(2));
    // Only a word with a sentence carries one.
    QVERIFY(!manifest.value("words").toArray().at(1).toObject().contains("sentence"));
    QCOMPARE(TestFiles::described(readPackage(with)),
             (QStringList{"their <- member:sounds/their.mp3 / They took their coats.", "there",
                          "they're / They're \"late\" again, aren't they?"}));
}

void TestPackage::sentencesRead_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("format 2") << manifest(R"({"word": "their", "sentence": "They took their coats."},
                                            {"word": "there", "sentence": null}, {"word": "bear"})",
                                          R"("format": 2)")
                              << QStringList{"their / They took their coats.", "there", "bear"};
    QTest::newRow("format 2, blanks and line breaks")
        << manifest(R"({"word": "Bär", "sentence": "  Der Bär\n\tschläft. "})", R"("format": 2)")
        << QStringList{QStringLiteral("Bär / Der Bär schläft.")};
    // Format 1 knows no sentences: a field of that name is not one.
    QTest::newRow("format 1 ignores the field")
        << manifest(R"({"word": "their", "sentence": "They took their coats."})", R"("format": 1)")
        << QStringList{"their"};
}

void TestPackage::sentencesRead()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    const QString file = dir.filePath("list.spelldeck");
    QVERIFY(makeZip(file, {manifestMember(json)}));
    QCOMPARE(TestFiles::described(readPackage(file)), words);
}

void TestPackage::writingReplacesAFileAtOnce()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("pets.spelldeck");
    QVERIFY(TestFiles::write(file, "the previous export"));
    QVERIFY(TestFiles::write(dir.filePath("cat.mp3"), "cat recording"));
    writePackage(file, "Pets", {word("cat", dir.filePath("cat.mp3"))}, "/nowhere/");
    QCOMPARE(TestFiles::described(readPackage(file)), QStringList{"cat <- member:sounds/cat.mp3"});
    // No temporary file is left beside it.
    QCOMPARE(TestFiles::filesBelow(dir.path()), (QStringList{"cat.mp3", "pets.spelldeck"}));
    QCOMPARE(QFileInfo(file).permissions() & (QFile::ReadOther | QFile::WriteOther), QFile::ReadOther);
}

void TestPackage::writingRefused_data()
{
    QTest::addColumn<QString>("file"); // below the temporary folder
    QTest::addColumn<QList<TData>>("words");
    QTest::addColumn<QString>("message"); // {file} is the file's path; ... stands for the system's words
    QTest::newRow("no words") << "pets.spelldeck" << QList<TData>{}
                              << "The list \"Pets\" has no words to export.";
    QTest::newRow("no such folder") << "missing/pets.spelldeck" << QList<TData>{word("cat", "")}
                                    << "\"{file}\" cannot be written: ...";
    QTest::newRow("a folder in the way")
        << "folder" << QList<TData>{word("cat", "")} << "\"{file}\" cannot be written: ...";
}

void TestPackage::writingRefused()
{
    QFETCH(QString, file);
    QFETCH(QList<TData>, words);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("folder/inside"));
    const QString path = dir.filePath(file);
    try {
        writePackage(path, "Pets", words, "/nowhere/");
        QFAIL("the package was written");
    } catch (const Exception &e) {
        const QStringList parts = QString(message).replace("{file}", path).split("...");
        QVERIFY2(e.message().startsWith(parts.constFirst()) &&
                     e.message().size() > parts.constFirst().size() - 3,
                 qPrintable(e.message()));
    }
    QCOMPARE(TestFiles::filesBelow(dir.path()), QStringList{});
}

void TestPackage::cancelledWritingLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("pets.spelldeck");
    QVERIFY(TestFiles::write(file, "the previous export"));
    QList<TData> words;
    for (int i = 0; i < 50; ++i) {
        const QString sound = dir.filePath(QStringLiteral("sounds/word%1.mp3").arg(i));
        QVERIFY(TestFiles::write(sound, randomBytes(20000, quint32(i))));
        words << word(QStringLiteral("word%1").arg(i), sound);
    }
    std::atomic_bool cancel = false;
    qint64 reportsAfterCancel = 0;
    const Progress progress(
        [&](qint64 done, qint64) {
            if (cancel)
                ++reportsAfterCancel;
            if (done > 0)
                cancel = true;
        },
        &cancel);
    QVERIFY_THROWS_EXCEPTION(EAbort, writePackage(file, "Pets", words, "/nowhere/", progress));
    QVERIFY(cancel);
    QCOMPARE(reportsAfterCancel, 0);
    QCOMPARE(TestFiles::contents(file), QByteArray("the previous export"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pets.spelldeck"});
}

void TestPackage::failingProgressReportLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("pets.spelldeck");
    QVERIFY(TestFiles::write(file, "the previous export"));
    QVERIFY(TestFiles::write(dir.filePath("cat.mp3"), randomBytes(20000, 1)));
    // A window's report can fail once (its progress bar gone, say); the export must not go on quietly.
    bool failed = false;
    const Progress progress([&](qint64 done, qint64) {
        if (done > 0 && !std::exchange(failed, true))
            throw Exception("the progress bar is gone");
    });
    try {
        writePackage(file, "Pets", {word("cat", dir.filePath("cat.mp3"))}, "/nowhere/", progress);
        QFAIL("the package was written");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("the progress bar is gone"));
    }
    QCOMPARE(TestFiles::contents(file), QByteArray("the previous export"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"cat.mp3", "pets.spelldeck"}));
}

void TestPackage::hostileArchives_data()
{
    QTest::addColumn<QList<Member>>("members");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<PackageLimits>("limits");
    QTest::addColumn<QString>("message"); // {file} is the package's path; ... stands for libzip's words

    const QByteArray cat = randomBytes(3000, 1);
    const QByteArray dog = randomBytes(3000, 2);
    const QByteArray catAndDog = manifest(R"({"word": "cat", "recording": "sounds/cat.mp3"},
                                             {"word": "dog", "recording": "sounds/dog.mp3"})");
    const QList<Member> good{manifestMember(catAndDog), {"sounds/cat.mp3", cat}, {"sounds/dog.mp3", dog}};
    const auto with = [&](const Member &extra) { return good + QList<Member>{extra}; };
    const auto refusedFor = [](const QString &problem) { return "\"{file}\" was refused: " + problem; };
    const PackageLimits defaults;

    QTest::newRow("parent folder") << with({"../cat.mp3", cat}) << Damage::None << defaults
                                   << refusedFor(
                                          "its file \"../cat.mp3\" lies outside the folder \"sounds/\".");
    QTest::newRow("parent folder inside sounds")
        << with({"sounds/../../cat.mp3", cat}) << Damage::None << defaults
        << refusedFor("its file \"sounds/../../cat.mp3\" lies outside the folder \"sounds/\".");
    QTest::newRow("absolute path") << with({"/tmp/cat.mp3", cat}) << Damage::None << defaults
                                   << refusedFor(
                                          "its file \"/tmp/cat.mp3\" lies outside the folder \"sounds/\".");
    QTest::newRow("backslashes")
        << with({"sounds\\..\\..\\cat.mp3", cat}) << Damage::None << defaults
        << refusedFor("its file \"sounds\\..\\..\\cat.mp3\" lies outside the folder \"sounds/\".");
    QTest::newRow("beside the sounds folder")
        << with({"notes.txt", "hello"}) << Damage::None << defaults
        << refusedFor("its file \"notes.txt\" lies outside the folder \"sounds/\".");
    QTest::newRow("symbolic link") << with({"sounds/bird.mp3", "/etc/passwd", false, 0120777}) << Damage::None
                                   << defaults
                                   << refusedFor("its file \"sounds/bird.mp3\" is a symbolic link.");
    QTest::newRow("encrypted") << with({"sounds/bird.mp3", cat, false, 0100644, true}) << Damage::None
                               << defaults << refusedFor("its file \"sounds/bird.mp3\" is encrypted.");
    QList<Member> crowded = good;
    for (int i = 0; i < 9998; ++i)
        crowded << Member{"sounds/" + QByteArray::number(i) + ".mp3", {}};
    QTest::newRow("10,001 files") << crowded << Damage::None << defaults
                                  << refusedFor("it holds more than 10000 files.");
    QTest::newRow("one file over 20 MB")
        << with({"sounds/bird.mp3", randomBytes(20 * 1024 * 1024 + 1, 3)}) << Damage::None << defaults
        << refusedFor("its file \"sounds/bird.mp3\" is larger than 20 MB.");
    QTest::newRow("compressed past 100 to 1")
        << with({"sounds/bird.mp3", QByteArray(1024 * 1024, '\0'), true}) << Damage::None << defaults
        << refusedFor("its file \"sounds/bird.mp3\" is compressed more than 100 to 1.");
    const PackageLimits oneMegabyte{10000, 20 * 1024 * 1024, 1024 * 1024, 100};
    QTest::newRow("all files over the total")
        << QList<Member>{manifestMember(catAndDog),
                         {"sounds/cat.mp3", randomBytes(400000, 4)},
                         {"sounds/dog.mp3", randomBytes(400000, 5)},
                         {"sounds/bird.mp3", randomBytes(400000, 6)}}
        << Damage::None << oneMegabyte << refusedFor("its files hold more than 1 MB in all.");
    // The declared sizes pass every check; the bytes do not.
    const PackageLimits hundredKilobytes{10000, 100 * 1024, 500 * 1024 * 1024, 100};
    QTest::newRow("a file larger than it says")
        << QList<Member>{manifestMember(catAndDog),
                         {"sounds/cat.mp3", randomBytes(300000, 7), true},
                         {"sounds/dog.mp3", dog}}
        << Damage::DeclaredSizesLie << hundredKilobytes
        << refusedFor("its file \"sounds/cat.mp3\" is larger than 100 kB.");
    QTest::newRow("files larger than they say")
        << QList<Member>{manifestMember(catAndDog),
                         {"sounds/cat.mp3", randomBytes(400000, 8), true},
                         {"sounds/dog.mp3", randomBytes(400000, 9), true}}
        << Damage::DeclaredSizesLie << PackageLimits{10000, 20 * 1024 * 1024, 500000, 100}
        << refusedFor("its files hold more than 488 kB in all.");
    // Some 5 kB of deflated zeros inflate to 5 MB: under the entry size, past the ratio once read.
    QTest::newRow("a file inflating far past what it says")
        << QList<Member>{manifestMember(catAndDog),
                         {"sounds/cat.mp3", cat},
                         {"sounds/dog.mp3", QByteArray(5 * 1024 * 1024, '\0'), true}}
        << Damage::DogDeclaresLittle << defaults
        << refusedFor("its file \"sounds/dog.mp3\" is compressed more than 100 to 1.");
    QTest::newRow("not a ZIP archive") << QList<Member>{} << Damage::None << defaults
                                       << "\"{file}\" is not a Spelldeck package: it is no ZIP archive.";
    QTest::newRow("cut in half") << good << Damage::CutInHalf << defaults
                                 << "\"{file}\" is damaged or incomplete: the end of the archive is missing.";
    QTest::newRow("last byte cut off")
        << good << Damage::CutLastByte << defaults
        << "\"{file}\" is damaged or incomplete: the end of the archive is missing.";
    QTest::newRow("a recording's bytes changed")
        << good << Damage::FlipRecordingByte << defaults
        << "\"{file}\" is damaged or incomplete: the file \"sounds/cat.mp3\" cannot be read (...).";
    QTest::newRow("a file named twice") << good << Damage::SecondNameAsFirst << defaults
                                        << refusedFor("it holds the file \"sounds/cat.mp3\" twice.");
    QTest::newRow("the list named twice")
        << with({"spelldeck.js0n", manifest(R"({"word": "bird"})")}) << Damage::SecondListAsFirst << defaults
        << refusedFor("it holds the file \"spelldeck.json\" twice.");
    QTest::newRow("a name twice once decoded")
        << with({"sounds/\xC3\xBC.mp3", cat}) +
               QList<Member>{{"sounds/\x82.mp3", dog, false, 0100644, false, true}}
        << Damage::Cp437NameAsUtf8 << defaults
        << refusedFor(QStringLiteral("it holds the file \"sounds/\u00FC.mp3\" twice."));
    QTest::newRow("no list") << QList<Member>{{"sounds/cat.mp3", cat}} << Damage::None << defaults
                             << "\"{file}\" is not a Spelldeck package: it holds no spelldeck.json.";

    const auto manifestOnly = [&](const QByteArray &json) { return QList<Member>{manifestMember(json)}; };
    const QString cannotRead = "The list in \"{file}\" cannot be read: ";
    QTest::newRow("list not JSON") << manifestOnly("{\"format\": 1, \"words\": [") << Damage::None << defaults
                                   << cannotRead + "spelldeck.json is not valid JSON (... at character 24).";
    QTest::newRow("list not an object") << manifestOnly("[1, 2]") << Damage::None << defaults
                                        << cannotRead + "spelldeck.json holds no object.";
    QTest::newRow("no format") << manifestOnly(manifest(R"({"word": "cat"})", R"("name": "Pets")"))
                               << Damage::None << defaults
                               << cannotRead + "spelldeck.json has no format version.";
    QTest::newRow("format as text") << manifestOnly(manifest(R"({"word": "cat"})", R"("format": "1")"))
                                    << Damage::None << defaults
                                    << cannotRead + "spelldeck.json has no format version.";
    QTest::newRow("format 1.5") << manifestOnly(manifest(R"({"word": "cat"})", R"("format": 1.5)"))
                                << Damage::None << defaults
                                << cannotRead + "spelldeck.json has no format version.";
    QTest::newRow("a later format") << manifestOnly(manifest(R"({"word": "cat"})", R"("format": 3)"))
                                    << Damage::None << defaults
                                    << cannotRead +
                                           "it is in format 3, and this version of Spelldeck reads formats 1 "
                                           "to 2.";
    QTest::newRow("format 0") << manifestOnly(manifest(R"({"word": "cat"})", R"("format": 0)"))
                              << Damage::None << defaults
                              << cannotRead +
                                     "it is in format 0, and this version of Spelldeck reads formats 1 to 2.";
    QTest::newRow("name not text") << manifestOnly(
                                          manifest(R"({"word": "cat"})", R"("format": 1, "name": 7)"))
                                   << Damage::None << defaults << cannotRead + "its name is not text.";
    QTest::newRow("words not a list")
        << manifestOnly(R"({"format": 1, "words": {"word": "cat"}})") << Damage::None << defaults
        << cannotRead + "spelldeck.json has no list of words.";
    QTest::newRow("no words") << manifestOnly(manifest("")) << Damage::None << defaults
                              << cannotRead + "it holds no words.";
    QTest::newRow("a word that is no text")
        << manifestOnly(manifest(R"({"word": "cat"}, {"word": 5})")) << Damage::None << defaults
        << "Word 2 of \"{file}\" has no text.";
    QTest::newRow("a word that is no object")
        << manifestOnly(manifest(R"({"word": "cat"}, "dog")")) << Damage::None << defaults
        << "Word 2 of \"{file}\" has no text.";
    QTest::newRow("an empty word") << manifestOnly(manifest(R"({"word": "  "})")) << Damage::None << defaults
                                   << "Word 1 of \"{file}\" is empty.";
    QTest::newRow("a word too long") << manifestOnly(manifest("{\"word\": \"" + QByteArray(256, 'w') + "\"}"))
                                     << Damage::None << defaults
                                     << "Word 1 of \"{file}\": the word is longer than 255 characters.";
    QTest::newRow("a word with a NUL character")
        << manifestOnly(manifest(R"({"word": "cat"}, {"word": "do\u0000g"})")) << Damage::None << defaults
        << "Word 2 of \"{file}\": the word holds a NUL character.";
    QTest::newRow("a recording outside sounds")
        << with({"sounds/x.mp3", cat}).mid(1) +
               manifestOnly(manifest(R"({"word": "cat", "recording": "../cat.mp3"})"))
        << Damage::None << defaults
        << "Word 1 of \"{file}\": its recording \"../cat.mp3\" lies outside the folder \"sounds/\".";
    QTest::newRow("a recording with a NUL character")
        << with({"sounds/x.mp3", cat}).mid(1) +
               manifestOnly(manifest(R"({"word": "cat", "recording": "sounds/\u0000x.mp3"})"))
        << Damage::None << defaults
        << "Word 1 of \"{file}\": its recording \"sounds/...\" lies outside the folder \"sounds/\".";
    QTest::newRow("a recording that is no text")
        << manifestOnly(manifest(R"({"word": "cat", "recording": 3})")) << Damage::None << defaults
        << "Word 1 of \"{file}\": its recording is not text.";
    QTest::newRow("a sentence that is no text")
        << manifestOnly(manifest(R"({"word": "cat", "sentence": ["The cat."]})", R"("format": 2)"))
        << Damage::None << defaults << "Word 1 of \"{file}\": its sentence is not text.";
    QTest::newRow("a sentence too long")
        << manifestOnly(manifest("{\"word\": \"cat\", \"sentence\": \"" + QByteArray(256, 's') + "\"}",
                                 R"("format": 2)"))
        << Damage::None << defaults << "Word 1 of \"{file}\": the sentence is longer than 255 characters.";
    QTest::newRow("a recording missing from the archive")
        << QList<Member>{manifestMember(catAndDog), {"sounds/cat.mp3", cat}} << Damage::None << defaults
        << "Word 2 of \"{file}\" (\"dog\"): its recording \"sounds/dog.mp3\" is missing from the package.";
}

void TestPackage::hostileArchives()
{
    QFETCH(QList<Member>, members);
    QFETCH(Damage, damage);
    QFETCH(PackageLimits, limits);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath("hostile.spelldeck");
    if (members.isEmpty())
        QVERIFY(TestFiles::write(file, "This is a text file with a package's name."));
    else
        QVERIFY(makeZip(file, members));
    QVERIFY(::damage(file, damage, members.size() > 1 ? members.at(1).data : QByteArray()));
    const QString sounds = dir.filePath("sounds");
    try {
        ImportedRecordings recordings;
        const WordList list = readPackage(file, limits);
        recordings.bringIn(list, sounds, {}, limits);
        QFAIL("the package was taken");
    } catch (const Exception &e) {
        const QStringList parts = QString(message).replace("{file}", file).split("...");
        QVERIFY2(e.message().startsWith(parts.constFirst()), qPrintable(e.message()));
        QVERIFY2(e.message().endsWith(parts.constLast()), qPrintable(e.message()));
    }
    // Nothing was extracted, or all of it was removed again.
    QCOMPARE(TestFiles::filesBelow(sounds), QStringList{});
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
