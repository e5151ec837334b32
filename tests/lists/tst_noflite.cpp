// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without Flite the editor's voices are espeak-ng's, English among them, and the list says once why
// the clearer English voices are missing.
#include "EditorOnList.h"
#include "LazyLibrary.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"

#include <QComboBox>
#include <QSettings>
#include <QStandardItemModel>

class TestNoFlite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void espeakVoicesAndTheReason();
};

void TestNoFlite::initTestCase()
{
    LazyLibrary::hideForTesting(QStringLiteral("flite"));
    QSettings().clear();
}

void TestNoFlite::espeakVoicesAndTheReason()
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    QString listId;
    const auto editor = editorOnNewList(db, QStringLiteral("Week 1"), {}, listId);
    auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
    QVERIFY(voices->isEnabled());
    // The reason first, where the clearer voices would be, and not to be chosen.
    QCOMPARE(voices->itemText(0), QStringLiteral("Clearer English voices are not installed (Flite)"));
    QCOMPARE(voices->itemData(0), QVariant());
    const QStandardItem *reason = qobject_cast<QStandardItemModel *>(voices->model())->item(0);
    QVERIFY(!reason->isEnabled());
    QVERIFY2(reason->toolTip().contains(QStringLiteral("libflite")), qPrintable(reason->toolTip()));
    QCOMPARE(voices->findText(QStringLiteral("Clearer English voices are not installed (Flite)")), 0);
    int said = 0;
    for (int i = 0; i < voices->count(); ++i)
        said += voices->itemText(i).contains(QStringLiteral("Flite")) ? 1 : 0;
    QCOMPARE(said, 1);
    // English from espeak-ng, as before Flite.
    QCOMPARE(editor->voice(), QStringLiteral("gmw/en"));
    QCOMPARE(voices->currentText(), QStringLiteral("English (Great Britain)"));
    QVERIFY(voices->findData(QStringLiteral("flite/rms")) < 0);
    // A Flite voice chosen on another computer gives way to espeak-ng's English.
    QSettings().setValue(QStringLiteral("recording/voice"), QStringLiteral("flite/slt"));
    QString again;
    const auto other = editorOnNewList(db, QStringLiteral("Week 2"), {}, again);
    QCOMPARE(other->voice(), QStringLiteral("gmw/en"));

    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("apple"));
    QVERIFY(press(editor.get(), "btnSpeak"));
    QCOMPARE(boxes.errors(), QStringList());
    QCOMPARE(child<QLineEdit>(editor.get(), "edtSound")->text(), QStringLiteral("data/sounds/apple.mp3"));
}

SPELLDECK_TEST_MAIN(TestNoFlite)
#include "tst_noflite.moc"
