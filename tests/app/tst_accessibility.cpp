// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in every window: each control that takes the focus or shows text has a
// role and a name; each edit field, list and choice is named by its label; the correction window's
// texts are read as labels, top to bottom.
#include "About.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "TextPanel.h"
#include "Toolkit.h"
#include "Widgets.h"
#include "uAddMany.h"
#include "uCorrect.h"
#include "uCreate.h"
#include "uDM.h"
#include "uEditor.h"
#include "uMain.h"
#include "uRecord.h"
#include "uSelected.h"
#include "uTest.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

// A label's text as read: without its accelerator mark and the colon that ends it.
QString asRead(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

bool isEntry(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QComboBox *>(widget) || qobject_cast<const QPlainTextEdit *>(widget);
}

// Whether the control tells a screen reader that `label` is its label (as a choice list does on Linux,
// where its name is the choice shown).
bool labelledBy(QAccessibleInterface *control, const QLabel *label)
{
    const auto relations = control->relations(QAccessible::Label);
    return std::any_of(relations.cbegin(), relations.cend(),
                       [label](const auto &relation) { return relation.first->object() == label; });
}

// What is wrong with the window for a screen reader; empty when nothing is. `unlabelled` names the
// entries the window shows without a label (they still need a name of their own).
QStringList problems(QWidget *window, const QStringList &unlabelled = {})
{
    QStringList found;
    QHash<const QWidget *, const QLabel *> labelFor;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            labelFor.insert(label->buddy(), label);
    }
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        // The parts of a compound control (a list's scroll bars, a field's clear button) are its own.
        if (qobject_cast<QScrollBar *>(widget) || (widget->parentWidget() && isEntry(widget->parentWidget())))
            continue;
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        const bool takesFocus = widget->focusPolicy() & Qt::TabFocus;
        const bool showsText = (label && !label->text().isEmpty()) || (button && !button->text().isEmpty()) ||
                               qobject_cast<TextPanel *>(widget);
        if (!takesFocus && !showsText)
            continue;
        const QString what =
            QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
            (widget->objectName().isEmpty() ? QStringLiteral("(unnamed)") : widget->objectName());
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(widget);
        if (!read) {
            found << what + QStringLiteral(": no accessible interface");
            continue;
        }
        if (read->role() == QAccessible::NoRole || read->role() == QAccessible::Client)
            found << what + QStringLiteral(": no role");
        const QString name = read->text(QAccessible::Name);
        if (name.trimmed().isEmpty())
            found << what + QStringLiteral(": no name");
        if (isEntry(widget) && !labelFor.contains(widget) && !unlabelled.contains(widget->objectName()))
            found << what + QStringLiteral(": no label names it");
        const QLabel *ownLabel = labelFor.value(widget);
        // A choice list is named by the choice it shows; its label is told as a relation.
        const bool named =
            ownLabel && (qobject_cast<QComboBox *>(widget) ? labelledBy(read, ownLabel)
                                                           : asRead(name) == asRead(ownLabel->text()));
        if (isEntry(widget) && ownLabel && !named)
            found << what + QStringLiteral(": named \"%1\", not by its label \"%2\"")
                                .arg(name, ownLabel->text());
    }
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mainWindow();
    void chooser_data();
    void chooser();
    void newListDialog();
    void editor();
    void recordWindow();
    void addManyWindow();
    void testWindow();
    void correctionWindowReadsItsTextsInOrder();
    void aboutBox();
    void boxes_data();
    void boxes();

private:
    std::unique_ptr<ScriptedToolkit> m_boxes;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDM> m_dm;
};

void TestAccessibility::init()
{
    m_boxes = std::make_unique<ScriptedToolkit>();
    m_db = std::make_unique<TestDatabase>(TestDatabase::Demo);
    m_dm = std::make_unique<TDM>();
}

void TestAccessibility::cleanup()
{
    m_dm.reset();
    m_db.reset();
    m_boxes.reset();
}

void TestAccessibility::mainWindow()
{
    TfrmMain window;
    window.show();
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
}

void TestAccessibility::chooser_data()
{
    QTest::addColumn<bool>("pick");
    QTest::newRow("manage") << false;
    QTest::newRow("pick") << true;
}

void TestAccessibility::chooser()
{
    QFETCH(bool, pick);
    TfrmSelected window;
    if (pick)
        window.setPickMode();
    window.show();
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
}

void TestAccessibility::newListDialog()
{
    TfrmCreate window;
    window.show();
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
}

void TestAccessibility::editor()
{
    const auto window =
        TfrmEditor::Create(nullptr, QStringLiteral("1"), QStringLiteral("Everyday words"), false, 0, 0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(child<QComboBox>(window.get(), "cmbVoice")->count() > 0);
    QVERIFY2(problems(window.get()).isEmpty(), qPrintable(problems(window.get()).join(QStringLiteral("; "))));
    clickRow(child<QListWidget>(window.get(), "lstWord"), 0);
    QVERIFY(press(window.get(), "btnEdit"));
    QVERIFY2(problems(window.get()).isEmpty(), qPrintable(problems(window.get()).join(QStringLiteral("; "))));
}

void TestAccessibility::recordWindow()
{
    TfrmRecord window(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds"));
    window.show();
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
}

void TestAccessibility::addManyWindow()
{
    TfrmAddMany window(nullptr, QStringLiteral("1"), QStringLiteral("gmw/en"));
    window.show();
    child<QPlainTextEdit>(&window, "txtWords")->setPlainText(QStringLiteral("cat\ndog"));
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
    // A vocabulary file shows the choice of its language.
    m_boxes->answerOpenFile(QStringLiteral(SPELLDECK_FIXTURES "/exchange/words.kvtml"));
    QVERIFY(press(&window, "btnFromFile"));
    QVERIFY(child(&window, "cmbLanguage")->isVisible());
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
}

void TestAccessibility::testWindow()
{
    TfrmTest window;
    window.show();
    // The answer field has no label on screen; it is named for the reader alone.
    const QStringList found = problems(&window, {QStringLiteral("edtWord")});
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

void TestAccessibility::correctionWindowReadsItsTextsInOrder()
{
    TfrmCorrect window;
    window.setWords(QStringLiteral("apple"), QStringLiteral("Aple "));
    window.show();
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
    // Read as a screen reader walks the window: its labels, top to bottom.
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(&window);
    QStringList labels;
    int previousTop = -1;
    for (int i = 0; i < read->childCount(); ++i) {
        QAccessibleInterface *control = read->child(i);
        if (control->role() != QAccessible::StaticText)
            continue;
        QVERIFY(control->rect().top() > previousTop);
        previousTop = control->rect().top();
        labels << control->text(QAccessible::Name);
    }
    QCOMPARE(labels, (QStringList{"Sorry, that was incorrect. The correct word is:", "apple",
                                  "The word you entered was:", "Aple "}));
}

void TestAccessibility::aboutBox()
{
    TAboutBox window;
    window.show();
    QVERIFY2(problems(&window).isEmpty(), qPrintable(problems(&window).join(QStringLiteral("; "))));
}

void TestAccessibility::boxes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("information") << "information";
    QTest::newRow("question") << "question";
    QTest::newRow("error report") << "error";
    QTest::newRow("input box") << "input";
}

void TestAccessibility::boxes()
{
    QFETCH(QString, kind);
    QtToolkit real;
    QStringList found;
    ModalDriver driver({[&](QWidget *box) {
        found = problems(box);
        box->close();
    }});
    if (kind == "information")
        real.information(nullptr, QStringLiteral("spelldeck"),
                         QStringLiteral("You have finished all your words!"));
    else if (kind == "question")
        real.question(nullptr, QStringLiteral("Confirm Deletion"), QStringLiteral("Are you sure?"));
    else if (kind == "error")
        real.errorBox(nullptr, QStringLiteral("spelldeck"), QStringLiteral("database is locked."));
    else
        real.inputText(nullptr, QStringLiteral("Rename"), QStringLiteral("Please enter the name:"),
                       QStringLiteral("x"));
    QCOMPARE(driver.seen().size(), 1);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

SPELLDECK_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
