// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in the user's language: which translation a locale loads, that English and C keep the
// program's own texts, and that every translation is complete and keeps each text's placeholders and
// keyboard accelerator.
#include "TestMain.h"
#include "Translations.h"
#include "Widgets.h"
#include "uMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// Removes every translation installed so far, so each case starts from the program's own texts.
void removeTranslations()
{
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

// The messages of a Qt Linguist file, read as lrelease reads them (a <byte> element is a control
// character).
QList<Message> messagesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    QString *text = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name"))
                context = xml.readElementText();
            else if (name == QLatin1String("message"))
                message = Message{context, {}, {}, true};
            else if (name == QLatin1String("source"))
                text = &message.source;
            else if (name == QLatin1String("translation")) {
                text = &message.translation;
                message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            } else if (name == QLatin1String("byte") && text)
                *text += QChar(xml.attributes().value(QLatin1String("value")).toString().toUInt(nullptr, 16));
        } else if (xml.isCharacters() && text) {
            *text += xml.text();
        } else if (xml.isEndElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("source") || name == QLatin1String("translation"))
                text = nullptr;
            else if (name == QLatin1String("message"))
                messages << message;
        }
    }
    if (xml.hasError())
        QTest::qFail(qPrintable(path + QStringLiteral(": ") + xml.errorString()), __FILE__, __LINE__);
    return messages;
}

// The placeholders of a text, sorted: "%2 of %1" gives "%1 %2".
QString placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found.join(QLatin1Char(' '));
}

// How many keyboard accelerators a text marks ("&&" is a literal ampersand).
int accelerators(const QString &text)
{
    return int(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void localeChoosesTheTranslation_data();
    void localeChoosesTheTranslation();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TestTranslations::cleanup()
{
    removeTranslations();
}

void TestTranslations::localeChoosesTheTranslation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("testButton");
    QTest::addColumn<QString>("aboutButton");
    QTest::addColumn<QString>("yes"); // Qt's own text for a Yes button
    QTest::newRow("C") << "C" << false << "Test Spelldeck"
                       << "ABout"
                       << "&Yes";
    QTest::newRow("English, United States") << "en_US" << false << "Test Spelldeck"
                                            << "ABout"
                                            << "&Yes";
    QTest::newRow("English, Great Britain") << "en_GB" << false << "Test Spelldeck"
                                            << "ABout"
                                            << "&Yes";
    QTest::newRow("German") << "de_DE" << true << "Spelldeck testen"
                            << "Über"
                            << "&Ja";
    QTest::newRow("German, Austria") << "de_AT" << true << "Spelldeck testen"
                                     << "Über"
                                     << "&Ja";
    QTest::newRow("French") << "fr_FR" << true << "Tester un spelldeck"
                            << "À propos"
                            << "&Oui";
    QTest::newRow("French, Switzerland") << "fr_CH" << true << "Tester un spelldeck"
                                         << "À propos"
                                         << "&Oui";
    QTest::newRow("a language without a translation") << "es_ES" << false << "Test Spelldeck"
                                                      << "ABout"
                                                      << "&Yes";
}

void TestTranslations::localeChoosesTheTranslation()
{
    QFETCH(QString, locale);
    QFETCH(bool, loaded);
    QFETCH(QString, testButton);
    QFETCH(QString, aboutButton);
    QFETCH(QString, yes);

    QCOMPARE(installTranslations(QLocale(locale), translationsFolder()), loaded);
    TfrmMain window;
    QCOMPARE(child<QAbstractButton>(&window, "btnTest")->text(), testButton);
    QCOMPARE(child<QAbstractButton>(&window, "sBitBtn1")->text(), aboutButton);
    // The product's name and release are never translated.
    QCOMPARE(window.windowTitle(), QStringLiteral("Spelldeck"));
    QCOMPARE(child<QLabel>(&window, "Label1")->text(), QStringLiteral("Norvane Spelldeck"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
}

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("German") << "spelldeck_de.ts";
    QTest::newRow("French") << "spelldeck_fr.ts";
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, file);
    const QList<Message> messages = messagesOf(QStringLiteral(SPELLDECK_SOURCE_DIR "/translations/") + file);
    // Texts of every window and message; a file that lost them would pass the checks below.
    QVERIFY2(messages.size() > 150, qPrintable(QString::number(messages.size())));
    QStringList faults;
    for (const Message &message : messages) {
        const QString where = message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"');
        if (!message.finished || message.translation.isEmpty()) {
            faults << where + QStringLiteral(": not translated");
            continue;
        }
        if (placeholders(message.translation) != placeholders(message.source))
            faults << where + QStringLiteral(": placeholders differ in \"") + message.translation +
                          QLatin1Char('"');
        if (accelerators(message.translation) != accelerators(message.source))
            faults << where + QStringLiteral(": accelerators differ in \"") + message.translation +
                          QLatin1Char('"');
        if (message.source.contains(QLatin1Char('\r')) != message.translation.contains(QLatin1Char('\r')))
            faults << where + QStringLiteral(": line breaks differ");
    }
    QCOMPARE(faults, QStringList());
}

SPELLDECK_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
