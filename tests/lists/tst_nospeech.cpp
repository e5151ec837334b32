// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without any speech engine (espeak-ng's data missing, Flite not installed) the editor works as
// before; only the voice and Speak are off, and say why.
#include "LazyLibrary.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestNoSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editorWithoutSpeech();

private:
    QTemporaryDir m_data;
};

void TestNoSpeech::initTestCase()
{
    // The engine looks for $ESPEAK_DATA_PATH/espeak-ng-data first: an empty folder there.
    QVERIFY(QDir(m_data.path()).mkdir(QStringLiteral("espeak-ng-data")));
    qputenv("ESPEAK_DATA_PATH", QFile::encodeName(m_data.path()));
    LazyLibrary::hideForTesting(QStringLiteral("flite"));
}

void TestNoSpeech::editorWithoutSpeech()
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    const QString id = db.addList(QStringLiteral("Week 1"));
    const auto editor = TfrmEditor::Create(nullptr, id, QStringLiteral("Week 1"), false, 0, 0);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
    QTRY_VERIFY(voices->toolTip().contains(QStringLiteral("espeak-ng-data")));
    QVERIFY(child(editor.get(), "btnSpeak")->toolTip().contains(QStringLiteral("espeak-ng-data")));
    QVERIFY(!voices->isEnabled());

    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("apple"));
    QVERIFY(!child(editor.get(), "btnSpeak")->isEnabled());
    QVERIFY(child(editor.get(), "btnRecord")->isEnabled());
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(db.column(QStringLiteral("select word_name from d_word")), QStringList{"apple"});
    QCOMPARE(boxes.errors(), QStringList());
}

SPELLDECK_TEST_MAIN(TestNoSpeech)
#include "tst_nospeech.moc"
