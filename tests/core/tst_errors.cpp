// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Errors: the report's text, the guard every handler runs through, and the string list's bounds.
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "ReportCollector.h"
#include "StringList.h"

#include <QTest>

#include <functional>
#include <stdexcept>

namespace {

// A component whose creation handler and signal handler both fail, wired the way every window is.
class FailingComponent : public QObject
{
    Q_OBJECT

public:
    FailingComponent()
    {
        connectGuarded(this, &FailingComponent::clicked, this, &FailingComponent::buttonClick);
        guarded([this] { FormCreate(); });
        created = true;
    }
    void FormCreate() { throw EDatabaseError(QStringLiteral("no such table: d_type")); }
    void buttonClick()
    {
        ++clicks;
        throw Exception(QStringLiteral("Handler failed?"));
    }

    bool created = false;
    int clicks = 0;

signals:
    void clicked(bool checked);
};

} // namespace

class TestErrors : public QObject
{
    Q_OBJECT

private slots:
    void errorReportAppendsPeriod_data();
    void errorReportAppendsPeriod();
    void reportCatchesHandlerAndCreationErrors();
    void reportUsesInnermostMessage_data();
    void reportUsesInnermostMessage();
    void silentAbortIsNotReported();
    void stringListChecksBounds_data();
    void stringListChecksBounds();
};

void TestErrors::errorReportAppendsPeriod_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "no such table: d_type"
                            << "no such table: d_type.";
    QTest::newRow("digit") << "List index out of bounds (0"
                           << "List index out of bounds (0.";
    QTest::newRow("question mark") << "Really?"
                                   << "Really?.";
    QTest::newRow("colon") << "Failed:"
                           << "Failed:.";
    QTest::newRow("period") << "Done."
                            << "Done.";
    QTest::newRow("exclamation") << "Stop!"
                                 << "Stop!";
    QTest::newRow("parenthesis") << "List index out of bounds (0)"
                                 << "List index out of bounds (0)";
    QTest::newRow("quote") << "Cannot open \"x\""
                           << "Cannot open \"x\"";
    QTest::newRow("comma") << "a,"
                           << "a,";
    QTest::newRow("hyphen") << "a-"
                            << "a-";
    QTest::newRow("space") << "a "
                           << "a ";
    QTest::newRow("newline") << "a\n"
                             << "a\n";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("non-ASCII") << QStringLiteral("Größe") << QStringLiteral("Größe.");
}

void TestErrors::errorReportAppendsPeriod()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorReportText(message), shown);
}

void TestErrors::reportCatchesHandlerAndCreationErrors()
{
    ReportCollector reports;
    FailingComponent component;
    QVERIFY(component.created); // the creation went on after the report
    QCOMPARE(reports.reports(), QStringList{"no such table: d_type."});

    emit component.clicked(false);
    emit component.clicked(true); // the program goes on: the handler runs again
    QCOMPARE(component.clicks, 2);
    QCOMPARE(reports.reports(),
             (QStringList{"no such table: d_type.", "Handler failed?.", "Handler failed?."}));
}

void TestErrors::reportUsesInnermostMessage_data()
{
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("shown");
    QTest::newRow("inner message") << "inner text"
                                   << "inner text.";
    QTest::newRow("empty inner message: the outer one") << ""
                                                        << "outer text.";
}

void TestErrors::reportUsesInnermostMessage()
{
    QFETCH(QString, inner);
    QFETCH(QString, shown);
    ReportCollector reports;
    guarded([&] {
        try {
            throw EDatabaseError(inner);
        } catch (...) {
            std::throw_with_nested(Exception(QStringLiteral("outer text")));
        }
    });
    // An error that is not the program's own is shown with its own text.
    guarded([] { throw std::runtime_error("standard error"); });
    QCOMPARE(reports.reports(), (QStringList{shown, "standard error."}));
}

void TestErrors::silentAbortIsNotReported()
{
    ReportCollector reports;
    int reached = 0;
    guarded([&] {
        ++reached;
        throw EAbort();
        ++reached; // never runs
    });
    QCOMPARE(reached, 1);
    QVERIFY(reports.reports().isEmpty());
    // The same guard reports any other error.
    guarded([] { throw EMCIDeviceError(QStringLiteral("No MCI device open")); });
    QCOMPARE(reports.reports(), QStringList{"No MCI device open."});
}

void TestErrors::stringListChecksBounds_data()
{
    QTest::addColumn<qsizetype>("index");
    QTest::addColumn<QString>("message");
    QTest::newRow("below") << qsizetype(-1) << "List index out of bounds (-1)";
    QTest::newRow("one past the end") << qsizetype(2) << "List index out of bounds (2)";
    QTest::newRow("far past the end") << qsizetype(70000) << "List index out of bounds (70000)";
}

void TestErrors::stringListChecksBounds()
{
    QFETCH(qsizetype, index);
    QFETCH(QString, message);
    int a = 1;
    int b = 2;
    StringList<int> list;
    list.add(QStringLiteral("a"), &a);
    list.add(QStringLiteral("a"), &b); // duplicates are kept
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.object(1), &b);
    QCOMPARE(list.string(1), QStringLiteral("a"));
    for (const auto &read : {std::function<void()>([&] { list.object(index); }),
                             std::function<void()>([&] { list.string(index); })}) {
        try {
            read();
            QFAIL("no error for an index out of bounds");
        } catch (const EListError &e) {
            QCOMPARE(e.message(), message);
        }
    }
    list.clear();
    QCOMPARE(list.count(), 0);
    QVERIFY_THROWS_EXCEPTION(EListError, list.string(0));
}

QTEST_GUILESS_MAIN(TestErrors)
#include "tst_errors.moc"
