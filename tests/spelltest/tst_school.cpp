// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A school's computers on one server: a word typed and spoken in the editor on the teacher's is
// taken as a test on a pupil's, another program in another folder with a home of its own, which
// never saw the teacher's recordings folder or cache; a word another computer added meanwhile; and
// the server stopped and started again under the open editor. Runs on the throwaway server whose
// socket folder SPELLDECK_TEST_SERVER names, and on one of its own; skips without them.
#include "TestTaker.h"

#include "Application.h"
#include "ErrorGuard.h"
#include "ScriptedToolkit.h"
#include "ServerDatabase.h"
#include "TestDatabase.h"
#include "uDM.h"
#include "uEditor.h"
#include "uTest.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QScopeGuard>
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

// The editor on the list, shown, with `words` stored in it first.
std::unique_ptr<TfrmEditor> editorOn(TestDatabase &db, const QString &listId, const QStringList &words)
{
    for (qsizetype i = 0; i < words.size(); ++i)
        db.addWord(listId, words.at(i), QString(), int(i + 1));
    auto editor = TfrmEditor::Create(nullptr, listId, QStringLiteral("Week 1"), false, 100, 50);
    editor->show();
    return editor;
}

} // namespace

class TestSchool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aWordSpokenOnOneIsHeardOnTheOther();
    void aWordAddedMeanwhileKeepsItsPlace();
    void theServerStopsAndStartsUnderTheEditor();
};

void TestSchool::init()
{
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER"))
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
    qputenv("SPELLDECK_TEST_BACKEND", "server");
}

void TestSchool::aWordSpokenOnOneIsHeardOnTheOther()
{
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

void TestSchool::aWordAddedMeanwhileKeepsItsPlace()
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    const QString listId = db.addList(QStringLiteral("Week 1"));
    const auto editor = editorOn(db, listId, {QStringLiteral("apple"), QStringLiteral("pear")});
    // Another computer adds a word while this one's editor shows two.
    db.addWord(listId, QStringLiteral("plum"), QString(), 3);
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("fig"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(boxes.errors(), QStringList());
    QCOMPARE(db.rows(QStringLiteral("select word_name, word_order from d_word order by word_order, word_id")),
             (QStringList{"apple|1", "pear|2", "plum|3", "fig|4"}));
}

void TestSchool::theServerStopsAndStartsUnderTheEditor()
{
    // A server of this case's own: stopping the run's would stop every other test's.
    const QString folder = testServerScript({QStringLiteral("start")});
    QVERIFY2(!folder.isEmpty(), "no private server");
    auto removal = qScopeGuard([&] { testServerScript({QStringLiteral("stop"), folder}); });
    const QByteArray runs = qgetenv("SPELLDECK_TEST_SERVER");
    auto back = qScopeGuard([&] { qputenv("SPELLDECK_TEST_SERVER", runs); });
    qputenv("SPELLDECK_TEST_SERVER", folder.toLocal8Bit());
    {
        ScriptedToolkit boxes;
        TestDatabase db;
        TDM dm;
        const auto editor = editorOn(db, db.addList(QStringLiteral("Week 1")), {QStringLiteral("apple")});
        QVERIFY(press(editor.get(), "btnAdd"));
        typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("pear"));

        testServerScript({QStringLiteral("halt"), folder});
        // The step that finds it gone says so; while it is away each says why; the window stays, and
        // what was typed with it.
        QVERIFY(press(editor.get(), "btnSave"));
        QVERIFY(press(editor.get(), "btnSave"));
        const QStringList errors = boxes.errors();
        QCOMPARE(errors.size(), 2);
        QVERIFY2(errors.at(0).startsWith(QStringLiteral("The connection to the database server was lost (")),
                 qPrintable(errors.at(0)));
        QVERIFY2(errors.at(1).contains(QStringLiteral("No such file or directory")),
                 qPrintable(errors.at(1)));
        QVERIFY(editor->isVisible());
        QCOMPARE(child<QLineEdit>(editor.get(), "edtWord")->text(), QStringLiteral("pear"));

        // Back again: the next step connects by itself.
        testServerScript({QStringLiteral("resume"), folder});
        QVERIFY(press(editor.get(), "btnSave"));
        QCOMPARE(boxes.errors().size(), 2);
        QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")), (QStringList{"apple", "pear"}));
        db.reconnect();
        QCOMPARE(db.rows(QStringLiteral("select word_name, word_order from d_word order by word_order")),
                 (QStringList{"apple|1", "pear|2"}));
    }
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsSet(kPupilList))
        return pupil(qEnvironmentVariable(kPupilList));
    TestSchool test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_school.moc"
