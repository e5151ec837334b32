// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recording window, with SDL's disk driver as the microphone: it "hears" a file in real time.
#include "FileNameEdit.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"
#include "uRecord.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Raw 16-bit mono samples at 22,050 Hz: silence, then a square tone, then silence; lengths in samples.
QByteArray sound(int before, int tone, int after)
{
    std::vector<qint16> samples(std::size_t(before + tone + after), 0);
    for (int i = 0; i < tone; ++i)
        samples[std::size_t(before + i)] = (i / 25) % 2 == 0 ? 8000 : -8000;
    return {reinterpret_cast<const char *>(samples.data()), qsizetype(samples.size() * 2)};
}

QStringList recordingsOnDisk()
{
    return QDir(QStringLiteral("data/sounds")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

struct Fixture
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
};

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void recordThenUse();
    void recordThenCancel_data();
    void recordThenCancel();
    void spaceStartsAndStops();
    void stopsByItself();
    void nothingHeard();
    void noMicrophone();
    void editorTakesTheRecording_data();
    void editorTakesTheRecording();

private:
    void willHear(const QByteArray &raw);
    // Waits until the window has recorded at least `ms`.
    static void recordFor(QWidget *window, int ms);

    std::unique_ptr<Fixture> f;
};

void TestRecord::init()
{
    f = std::make_unique<Fixture>();
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    // 0.3 s of silence, the word for 0.5 s, then silence.
    willHear(sound(6615, 11025, 6615));
}

void TestRecord::cleanup()
{
    f.reset();
}

void TestRecord::willHear(const QByteArray &raw)
{
    QFile file(QStringLiteral("heard.raw"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(raw);
    file.close();
    qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(QDir::current().filePath(QStringLiteral("heard.raw"))));
}

void TestRecord::recordFor(QWidget *window, int ms)
{
    auto *elapsed = child<QLabel>(window, "lblElapsed");
    const QString wanted = QString::number(ms / 1000.0, 'f', 1);
    if (!QTest::qWaitFor([&] { return elapsed->text().chopped(2).toDouble() >= wanted.toDouble(); }, 15000))
        QTest::qFail("the recording did not go on", __FILE__, __LINE__);
}

void TestRecord::window()
{
    TfrmRecord window(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds"));
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Record the word"));
    QCOMPARE(window.size(), QSize(360, 150));
    QCOMPARE(window.windowModality(), Qt::ApplicationModal);
    QCOMPARE(child<QPushButton>(&window, "btnRecord")->text(), QStringLiteral("Record"));
    QCOMPARE(child<QLabel>(&window, "lblElapsed")->text(), QStringLiteral("0.0 s"));
    QCOMPARE(child<QProgressBar>(&window, "prgLevel")->value(), 0);
    QVERIFY(!child(&window, "btnListen")->isEnabled());
    QVERIFY(!child(&window, "btnUse")->isEnabled());
    QVERIFY(child(&window, "btnCancel")->isEnabled());
    QCOMPARE(window.focusWidget(), child(&window, "btnRecord"));
    QCOMPARE(nextTabStop(child(&window, "btnRecord")), child(&window, "btnListen"));
    QCOMPARE(nextTabStop(child(&window, "btnListen")), child(&window, "btnUse"));
    QCOMPARE(nextTabStop(child(&window, "btnUse")), child(&window, "btnCancel"));
}

void TestRecord::recordThenUse()
{
    QString stopText;
    int loudest = 0;
    ModalDriver driver({[&](QWidget *window) {
        QVERIFY(press(window, "btnRecord"));
        auto *level = child<QProgressBar>(window, "prgLevel");
        QObject::connect(level, &QProgressBar::valueChanged,
                         [&](int value) { loudest = std::max(loudest, value); });
        stopText = child<QPushButton>(window, "btnRecord")->text();
        recordFor(window, 1200);
        QVERIFY(press(window, "btnRecord"));
        QVERIFY(child(window, "btnListen")->isEnabled());
        QVERIFY(press(window, "btnListen"));
        QVERIFY(press(window, "btnUse"));
    }});
    const std::optional<QString> take =
        ShowRecord(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds"));
    QCOMPARE(driver.seen(), QStringList{"TfrmRecord"});
    QCOMPARE(stopText, QStringLiteral("Stop"));
    // The level of a tone at 8000 of 32768 at its peak.
    QVERIFY2(loudest >= 24 && loudest <= 50, qPrintable(QString::number(loudest)));
    QCOMPARE(take, std::optional<QString>(QStringLiteral("data/sounds/apple.mp3")));
    QCOMPARE(recordingsOnDisk(), QStringList{"apple.mp3"});
    QCOMPARE(f->boxes.errors(), QStringList());
}

void TestRecord::recordThenCancel_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("the close box") << "close";
    QTest::newRow("closed while recording") << "recording";
    QTest::newRow("recorded again, then Cancel") << "again";
}

void TestRecord::recordThenCancel()
{
    QFETCH(QString, how);
    ModalDriver driver({[&](QWidget *window) {
        QVERIFY(press(window, "btnRecord"));
        recordFor(window, 1000);
        if (how == "recording") {
            window->close();
            return;
        }
        QVERIFY(press(window, "btnRecord"));
        QCOMPARE(recordingsOnDisk(), QStringList{"apple.mp3"});
        if (how == "again") {
            QVERIFY(press(window, "btnRecord"));
            // The earlier take goes as a new one starts.
            QCOMPARE(recordingsOnDisk(), QStringList());
            recordFor(window, 1000);
            QVERIFY(press(window, "btnRecord"));
        }
        if (how == "close")
            window->close();
        else
            QVERIFY(press(window, "btnCancel"));
    }});
    QCOMPARE(ShowRecord(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds")), std::nullopt);
    QCOMPARE(recordingsOnDisk(), QStringList());
    QCOMPARE(f->boxes.errors(), QStringList());
}

void TestRecord::spaceStartsAndStops()
{
    ModalDriver driver({[&](QWidget *window) {
        // Wherever the focus is.
        child(window, "btnCancel")->setFocus();
        QTest::keyClick(window->focusWidget(), Qt::Key_Space);
        QCOMPARE(child<QPushButton>(window, "btnRecord")->text(), QStringLiteral("Stop"));
        recordFor(window, 1200);
        QTest::keyClick(window->focusWidget(), Qt::Key_Space);
        QCOMPARE(child<QPushButton>(window, "btnRecord")->text(), QStringLiteral("Record"));
        QVERIFY(window->isVisible());
        QVERIFY(press(window, "btnUse"));
    }});
    QCOMPARE(ShowRecord(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds")),
             std::optional<QString>(QStringLiteral("data/sounds/apple.mp3")));
}

void TestRecord::stopsByItself()
{
    ModalDriver driver({[&](QWidget *window) {
        QVERIFY(press(window, "btnRecord"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QPushButton>(window, "btnRecord")->text(), QStringLiteral("Record"),
                                  10000);
        QCOMPARE(child<QLabel>(window, "lblElapsed")->text(), QStringLiteral("0.9 s"));
        QVERIFY(press(window, "btnUse"));
    }});
    QCOMPARE(ShowRecord(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds"), 900),
             std::optional<QString>(QStringLiteral("data/sounds/apple.mp3")));
}

void TestRecord::nothingHeard()
{
    willHear(sound(22050, 0, 0));
    ModalDriver driver({[&](QWidget *window) {
        QVERIFY(press(window, "btnRecord"));
        recordFor(window, 800);
        QVERIFY(press(window, "btnRecord"));
        QVERIFY(!child(window, "btnUse")->isEnabled());
        QVERIFY(press(window, "btnCancel"));
    }});
    QCOMPARE(ShowRecord(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds")), std::nullopt);
    QCOMPARE(f->boxes.errors(), QStringList{"Nothing was heard. Check the microphone."});
    QCOMPARE(recordingsOnDisk(), QStringList());
}

void TestRecord::noMicrophone()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    ModalDriver driver({[&](QWidget *window) {
        QVERIFY(press(window, "btnRecord"));
        QCOMPARE(child<QPushButton>(window, "btnRecord")->text(), QStringLiteral("Record"));
        QVERIFY(press(window, "btnCancel"));
    }});
    QCOMPARE(ShowRecord(nullptr, QStringLiteral("apple"), QStringLiteral("data/sounds")), std::nullopt);
    QCOMPARE(f->boxes.errors(), QStringList{"No microphone was found."});
}

void TestRecord::editorTakesTheRecording_data()
{
    QTest::addColumn<bool>("use");
    QTest::addColumn<QString>("sound");
    QTest::newRow("Use") << true << "data/sounds/pear.mp3";
    QTest::newRow("Cancel") << false << "typed.mp3";
}

void TestRecord::editorTakesTheRecording()
{
    QFETCH(bool, use);
    QFETCH(QString, sound);
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    const auto editor = TfrmEditor::Create(nullptr, id, QStringLiteral("Week 1"), false, 0, 0);
    editor->show();
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("pear"));
    typeInto(child<QLineEdit>(editor.get(), "edtSound"), QStringLiteral("typed.mp3"));
    QWidget *owner = nullptr;
    ModalDriver driver({[&](QWidget *window) {
        owner = window->parentWidget();
        QVERIFY(press(window, "btnRecord"));
        recordFor(window, 1000);
        QVERIFY(press(window, "btnRecord"));
        QVERIFY(press(window, use ? "btnUse" : "btnCancel"));
    }});
    QVERIFY(press(editor.get(), "btnRecord"));
    QCOMPARE(driver.seen(), QStringList{"TfrmRecord"});
    QCOMPARE(owner, editor.get());
    QCOMPARE(child<FileNameEdit>(editor.get(), "edtSound")->fileName(), sound);
    QCOMPARE(recordingsOnDisk(), use ? QStringList{"pear.mp3"} : QStringList());
}

SPELLDECK_TEST_MAIN(TestRecord)
#include "tst_record.moc"
