// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Learner.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The choice of learner as the user left it, over a preset that a school puts in the system's
// configuration folder for every account.
class TestLearnerChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void remembered_data();
    void remembered();
    void savedAndLoaded();

private:
    QTemporaryDir m_system;
};

void TestLearnerChoice::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("spelldeck"));
    QCoreApplication::setApplicationName(QStringLiteral("spelldeck"));
    // Before the first settings object: the system folders are read once.
    QVERIFY(QDir(m_system.path()).mkpath(QStringLiteral("spelldeck")));
    QFile preset(m_system.filePath(QStringLiteral("spelldeck/spelldeck.conf")));
    QVERIFY(preset.open(QIODevice::WriteOnly));
    preset.write("[learner]\nchoice=account\n");
    preset.close();
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_system.path()));
}

void TestLearnerChoice::init()
{
    QSettings().clear();
}

void TestLearnerChoice::remembered_data()
{
    QTest::addColumn<QString>("user"); // the user's own settings, key=value lines
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("the preset") << "" << int(LearnerChoice::Account) << qint64(0) << "";
    QTest::newRow("nobody over the preset")
        << "choice=nobody" << int(LearnerChoice::Nobody) << qint64(0) << "";
    QTest::newRow("a learner over the preset")
        << "choice=learner|id=12|name=Zoë \"Z\" O'Hara" << int(LearnerChoice::Person) << qint64(12)
        << "Zoë \"Z\" O'Hara";
    QTest::newRow("a learner without an id")
        << "choice=learner|name=Ana" << int(LearnerChoice::Nobody) << qint64(0) << "";
    QTest::newRow("a damaged id") << "choice=learner|id=twelve|name=Ana" << int(LearnerChoice::Nobody)
                                  << qint64(0) << "";
    QTest::newRow("an unknown choice") << "choice=everyone" << int(LearnerChoice::Nobody) << qint64(0) << "";
}

void TestLearnerChoice::remembered()
{
    QFETCH(QString, user);
    QFETCH(int, kind);
    QFETCH(qint64, id);
    QFETCH(QString, name);
    {
        QSettings settings;
        for (const QString &line : user.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            settings.setValue(QStringLiteral("learner/") + line.section(QLatin1Char('='), 0, 0),
                              line.section(QLatin1Char('='), 1));
    }
    const LearnerChoice choice = LearnerChoice::load();
    QCOMPARE(int(choice.kind), kind);
    QCOMPARE(choice.id, id);
    QCOMPARE(choice.name, name);
}

void TestLearnerChoice::savedAndLoaded()
{
    const Learner learner{7, QStringLiteral("李小龍"), {}};
    LearnerChoice::person(learner).save();
    QCOMPARE(LearnerChoice::load(), LearnerChoice::person(learner));
    LearnerChoice::nobody().save();
    QCOMPARE(LearnerChoice::load(), LearnerChoice::nobody());
    LearnerChoice::account().save();
    QCOMPARE(LearnerChoice::load(), LearnerChoice::account());
}

QTEST_GUILESS_MAIN(TestLearnerChoice)
#include "tst_learnerchoice.moc"
