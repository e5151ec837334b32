// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Two computers of a school on one server: a word typed and spoken in the editor on the teacher's is
// taken as a test on a pupil's, another program in another folder with a home of its own, which
// never saw the teacher's recordings folder or cache. Runs on the throwaway server whose socket
// folder SPELLDECK_TEST_SERVER names; skips without it.
#include "TestTaker.h"

#include "Application.h"
#include "ErrorGuard.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "uDM.h"
#include "uEditor.h"
#include "uTest.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

constexpr auto kPupilList = "SPELLDECK_PUPIL_LIST";

QString hashOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(cannot read %1)").arg(path);
    return QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
}

// The pupil's computer: takes the list's test, answering "school", and prints what it played, the
// hash of its bytes, and the messages it showed.
int pupil(const QString &listId)
{
    ScriptedToolkit boxes;
    TDM dm;
    TestTaker learner({QStringLiteral("school")});
    guarded([&] { ShowSpelldeck(listId, QStringLiteral("Week 1"), 100, 60); });
    QTextStream out(stdout);
    for (const TestTaker::Step &step : learner.steps)
        out << "played " << step.played << ' ' << hashOf(step.played) << '\n';
    for (const auto &box : boxes.boxes())
        out << "box " << QString(box.text).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
    return 0;
}

} // namespace

class TestTwoComputers : public QObject
{
    Q_OBJECT

private slots:
    void aWordSpokenOnOneIsHeardOnTheOther();
    void aWordAddedMeanwhileKeepsItsPlace();
};

void TestTwoComputers::aWordSpokenOnOneIsHeardOnTheOther()
{
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER"))
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
    qputenv("SPELLDECK_TEST_BACKEND", "server");
    ScriptedToolkit boxes;
    TestDatabase db;
    QString listId;
    {
        TDM dm;
        listId = db.addList(QStringLiteral("Week 1"));
        const auto editor = TfrmEditor::Create(nullptr, listId, QStringLiteral("Week 1"), false, 100, 50);
        editor->show();
        // The voices are listed off the UI thread; Speak waits for them.
        QTRY_VERIFY_WITH_TIMEOUT(child<QComboBox>(editor.get(), "cmbVoice")->count() > 0, 10000);
        QVERIFY(press(editor.get(), "btnAdd"));
        typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("school"));
        QVERIFY(press(editor.get(), "btnSpeak"));
        QVERIFY(press(editor.get(), "btnSave"));
        QCOMPARE(boxes.errors(), QStringList());
    }
    const QString made = hashOf(db.folder() + QStringLiteral("/data/sounds/school.mp3"));
    QCOMPARE(made.size(), 64);

    QTemporaryDir elsewhere;
    QProcess other;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kPupilList), listId);
    // A home of its own: another cache, other settings; the school's settings file is the same.
    environment.insert(QStringLiteral("HOME"), elsewhere.path());
    environment.remove(QStringLiteral("SPELLDECK_TEST_BACKEND"));
    other.setProcessEnvironment(environment);
    other.setWorkingDirectory(elsewhere.path());
    other.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(other.waitForFinished(60000));
    const QString printed = QString::fromUtf8(other.readAllStandardOutput());
    QCOMPARE(other.exitCode(), 0);
    const QString cached = elsewhere.path() + QStringLiteral("/.qttest/cache/spelldeck/recordings/") + made +
                           QStringLiteral(".mp3");
    QCOMPARE(printed,
             QStringLiteral("played ") + cached + QLatin1Char(' ') + made +
                 QStringLiteral("\nbox You have finished all your words! \rYou didn't miss ANY words "
                                "at all!\n"));
    QVERIFY(!QFileInfo::exists(elsewhere.path() + QStringLiteral("/data")));
}

void TestTwoComputers::aWordAddedMeanwhileKeepsItsPlace()
{
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER"))
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
    qputenv("SPELLDECK_TEST_BACKEND", "server");
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    const QString listId = db.addList(QStringLiteral("Week 1"));
    db.addWord(listId, QStringLiteral("apple"), QString(), 1);
    db.addWord(listId, QStringLiteral("pear"), QString(), 2);
    const auto editor = TfrmEditor::Create(nullptr, listId, QStringLiteral("Week 1"), false, 100, 50);
    editor->show();
    // Another computer adds a word while this one's editor shows two.
    db.addWord(listId, QStringLiteral("plum"), QString(), 3);
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("fig"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(boxes.errors(), QStringList());
    QCOMPARE(db.rows(QStringLiteral("select word_name, word_order from d_word order by word_order, word_id")),
             (QStringList{"apple|1", "pear|2", "plum|3", "fig|4"}));
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsSet(kPupilList))
        return pupil(qEnvironmentVariable(kPupilList));
    TestTwoComputers test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_twocomputers.moc"
