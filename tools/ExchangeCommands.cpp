// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExchangeCommands.h"

#include "Dataset.h"
#include "Exceptions.h"
#include "Import.h"
#include "PackageWriter.h"
#include "Schema.h"
#include "SpokenWords.h"
#include "Synthesizer.h"
#include "WordFiles.h"
#include "WordStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <algorithm>

namespace ExchangeCommands {
namespace {

const QString kExport = QStringLiteral("export");
const QString kImport = QStringLiteral("import");
const QString kVoices = QStringLiteral("voices");

// Where the program would run on a database: the folder holding the database's folder, from which
// Spelldeck opens data/data.db and finds recordings stored as "data/sounds/...".
struct Place
{
    QString database;    // absolute
    QString runFolder;   // absolute
    QString soundFolder; // relative to runFolder
};

Place placeOf(const QString &database)
{
    const QFileInfo file(database);
    if (!file.isFile())
        throw Exception(QCoreApplication::translate("spelldeck-db",
                                                    "The database \"%1\" does not exist; make one "
                                                    "with spelldeck-db first.")
                            .arg(QDir::toNativeSeparators(database)));
    QDir run = file.absoluteDir();
    const QString folderName = run.dirName();
    run.cdUp();
    return {file.absoluteFilePath(), run.absolutePath(), folderName + QStringLiteral("/sounds")};
}

// Makes the run folder current and opens the database there.
void open(const Place &place, Connection &connection)
{
    if (!QDir::setCurrent(place.runFolder))
        throw Exception(QCoreApplication::translate("spelldeck-db", "Cannot change to the folder \"%1\".")
                            .arg(QDir::toNativeSeparators(place.runFolder)));
    connection.setDatabasePath(place.database);
    connection.open();
}

int exportList(const QString &list, const QString &file, const QString &database)
{
    // Given paths are taken against the folder the tool was started in, before it changes folders.
    const QString target = QFileInfo(file).absoluteFilePath();
    Connection connection;
    open(placeOf(database), connection);
    const TTypeData found = Exchange::findList(connection, list);
    const Exchange::ExportResult result =
        Exchange::writePackage(target, found.Name, Exchange::listWords(connection, found.ID),
                               QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QTextStream(stdout) << QCoreApplication::translate(
                               "spelldeck-db", "Exported %1 words of \"%2\" to %3; %4 without a recording.")
                               .arg(result.words)
                               .arg(found.Name, file)
                               .arg(result.withoutRecording)
                        << '\n';
    return 0;
}

int usage(const QString &command, const QString &problem)
{
    QTextStream(stderr)
        << "spelldeck-db: " << problem << '\n'
        << QCoreApplication::translate("spelldeck-db", "Try \"spelldeck-db %1 --help\".").arg(command)
        << '\n';
    return 2;
}

// What speaks the words of an import that have no recording; an empty voice speaks none.
struct Speaking
{
    bool wanted = false;
    QString voice; // empty: the default voice of the user's language
};

int importList(const QString &file, const QString &name, const QString &database, const Speaking &speaking)
{
    const QString source = QFileInfo(file).absoluteFilePath();
    const Place place = placeOf(database);
    Exchange::WordList list = Exchange::readWordFile(source);
    QString listName = name.isNull() ? list.name : name;
    if (listName.isEmpty())
        listName = QFileInfo(source).completeBaseName();
    QString voice;
    if (speaking.wanted) {
        // The voice is checked before anything is written.
        Synthesizer &synthesizer = Synthesizer::instance();
        if (!synthesizer.available())
            throw Exception(synthesizer.unavailableReason());
        voice = speaking.voice.isEmpty() ? synthesizer.defaultVoice(QLocale()) : speaking.voice;
        if (!synthesizer.hasVoice(voice))
            throw Exception(QCoreApplication::translate("spelldeck-db",
                                                        "The voice \"%1\" is not available; \"spelldeck-db "
                                                        "voices\" lists those that are.")
                                .arg(voice));
    }
    Connection connection;
    open(place, connection);
    // Spoken into the sounds folder beside the database, as a package's recordings are; removed again
    // when the words cannot be stored.
    Exchange::SpokenRecordings spoken;
    if (speaking.wanted)
        Exchange::speakUnrecorded(list, voice, place.soundFolder, spoken);
    const Exchange::ImportResult result =
        Exchange::importAsNewList(connection, list, listName, place.soundFolder);
    const qsizetype recordings = std::count_if(result.sounds.cbegin(), result.sounds.cend(),
                                               [](const QString &sound) { return !sound.isEmpty(); });
    const qsizetype spokenCount = spoken.count();
    spoken.keep();
    QTextStream out(stdout);
    if (speaking.wanted)
        out << QCoreApplication::translate("spelldeck-db",
                                           "Imported %1 words into the new list \"%2\" (id "
                                           "%3); %4 with a recording, %5 of them spoken by %6.")
                   .arg(result.wordIds.size())
                   .arg(listName, result.typeId)
                   .arg(recordings)
                   .arg(spokenCount)
                   .arg(voice)
            << '\n';
    else
        out << QCoreApplication::translate("spelldeck-db", "Imported %1 words into the new list \"%2\" (id "
                                                           "%3); %4 with a recording.")
                   .arg(result.wordIds.size())
                   .arg(listName, result.typeId)
                   .arg(recordings)
            << '\n';
    return 0;
}

// One voice a line: the name --voice takes, then what the user reads.
int listVoices()
{
    Synthesizer &synthesizer = Synthesizer::instance();
    if (!synthesizer.available())
        throw Exception(synthesizer.unavailableReason());
    const QList<Voice> voices = synthesizer.voices();
    qsizetype width = 0;
    for (const Voice &voice : voices)
        width = std::max(width, voice.name.size());
    QTextStream out(stdout);
    for (const Voice &voice : voices)
        out << voice.name.leftJustified(width + 2) << voice.label() << '\n';
    const QString noFlite = synthesizer.englishUnavailableReason();
    if (!noFlite.isEmpty())
        QTextStream(stderr) << "spelldeck-db: " << noFlite << '\n'
                            << QCoreApplication::translate("spelldeck-db", "English is spoken by espeak-ng.")
                            << '\n';
    return 0;
}

int voicesCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "spelldeck-db", "Lists the voices that speak words (import --speak): one a line, the name "
                        "--voice takes, then the language and how the voice sounds. English comes from "
                        "Flite when it is installed, every other language from espeak-ng."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("spelldeck-db", "Shows this help."));
    parser.addOption(help);
    parser.addPositionalArgument(kVoices, QCoreApplication::translate("spelldeck-db", "The command."));
    if (!parser.parse(QStringList{QStringLiteral("spelldeck-db")} + arguments))
        return usage(kVoices, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return usage(kVoices, QCoreApplication::translate("spelldeck-db", "voices takes no arguments."));
    try {
        return listVoices();
    } catch (const Exception &e) {
        QTextStream(stderr) << "spelldeck-db: " << e.message() << '\n';
        return 1;
    }
}

} // namespace

bool isCommand(const QString &argument)
{
    return argument == kExport || argument == kImport || argument == kVoices;
}

int run(const QStringList &arguments)
{
    const QString command = arguments.constFirst();
    if (command == kVoices)
        return voicesCommand(arguments);
    const bool exporting = command == kExport;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        exporting ? QCoreApplication::translate(
                        "spelldeck-db", "Writes a word list with its recordings to a .spelldeck package.")
                  : QCoreApplication::translate(
                        "spelldeck-db",
                        "Makes a new word list from a file: a .spelldeck package, a KVTML vocabulary file "
                        "(its first "
                        "language), a CSV or tab-separated file (word, recording) or a text file (one word "
                        "per line). "
                        "Recordings in a package are copied into the sounds folder beside the database; "
                        "with --speak the words without a recording are spoken into it."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("spelldeck-db", "Shows this help."));
    parser.addOption(help);
    const QCommandLineOption database(
        QStringLiteral("database"),
        QCoreApplication::translate("spelldeck-db",
                                    "The database file (default: %1 under the current folder). Stored "
                                    "recording paths are relative to the "
                                    "folder that holds the database's folder, where Spelldeck runs.")
            .arg(QString::fromLatin1(Schema::kDatabasePath)),
        QCoreApplication::translate("spelldeck-db", "path"), QString::fromLatin1(Schema::kDatabasePath));
    parser.addOption(database);
    const QCommandLineOption name(
        QStringLiteral("name"),
        QCoreApplication::translate("spelldeck-db",
                                    "The new list's name (default: the package's own, or the file's name)."),
        QCoreApplication::translate("spelldeck-db", "name"));
    const QCommandLineOption speak(
        QStringLiteral("speak"),
        QCoreApplication::translate("spelldeck-db", "Speak the words that have no recording."));
    const QCommandLineOption voice(
        QStringLiteral("voice"),
        QCoreApplication::translate("spelldeck-db",
                                    "The voice that speaks them, as \"spelldeck-db voices\" names it "
                                    "(default: the clearest of your language's)."),
        QCoreApplication::translate("spelldeck-db", "name"));
    if (!exporting) {
        parser.addOption(name);
        parser.addOption(speak);
        parser.addOption(voice);
    }
    parser.addPositionalArgument(command, QCoreApplication::translate("spelldeck-db", "The command."));
    if (exporting) {
        parser.addPositionalArgument(
            QStringLiteral("LIST"),
            QCoreApplication::translate("spelldeck-db", "The list: its id, or its exact name."));
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QCoreApplication::translate("spelldeck-db", "The package to write; one there is replaced."));
    } else {
        parser.addPositionalArgument(QStringLiteral("FILE"),
                                     QCoreApplication::translate("spelldeck-db", "The file to read."));
    }

    if (!parser.parse(QStringList{QStringLiteral("spelldeck-db")} + arguments))
        return usage(command, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    const QStringList positional = parser.positionalArguments().mid(1);
    if (exporting && positional.size() != 2)
        return usage(command, QCoreApplication::translate("spelldeck-db", "export takes a list and a file."));
    if (!exporting && positional.size() != 1)
        return usage(command, QCoreApplication::translate("spelldeck-db", "import takes one file."));
    if (!exporting && parser.isSet(name) && parser.value(name).trimmed().isEmpty())
        return usage(command,
                     QCoreApplication::translate("spelldeck-db", "the list's name must not be empty."));
    if (!exporting && parser.isSet(voice) && !parser.isSet(speak))
        return usage(command, QCoreApplication::translate("spelldeck-db", "--voice goes with --speak."));

    try {
        if (exporting)
            return exportList(positional.at(0), positional.at(1), parser.value(database));
        return importList(positional.at(0), parser.isSet(name) ? parser.value(name).trimmed() : QString(),
                          parser.value(database), {parser.isSet(speak), parser.value(voice).trimmed()});
    } catch (const Exception &e) {
        QTextStream(stderr) << "spelldeck-db: " << e.message() << '\n';
        return 1;
    }
}

} // namespace ExchangeCommands
