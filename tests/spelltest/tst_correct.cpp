// The correction window: its face, its keys, where it opens and how the two words are drawn.

#include "TextPanel.h"
#include "uCorrect.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// The red ink of a panel showing `text`: its leftmost and rightmost columns, or nothing.
std::optional<std::pair<int, int>> inkColumns(const QString &text, QImage *shot = nullptr)
{
    TfrmCorrect form;
    auto *panel = form.findChild<TextPanel *>("Panel2");
    form.setWords(QStringLiteral("right"), text);
    const QImage image = panel->grab().toImage();
    if (shot)
        *shot = image;
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (isRed(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    if (first < 0)
        return std::nullopt;
    return std::pair{first, last};
}

} // namespace

class TestCorrectWindow : public QObject
{
    Q_OBJECT

private slots:
    void defaultState();
    void keys_data();
    void keys();
    void placement_data();
    void placement();
    void showInCorrectCentresOverItsOwner();
    void blanksTakeTheirRoom();
    void longWordIsCutAtBothEdges();
};

void TestCorrectWindow::defaultState()
{
    TfrmCorrect form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Incorrect"));
    QCOMPARE(form.size(), QSize(465, 206));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form.windowModality(), Qt::ApplicationModal);

    auto *sLabel1 = form.findChild<QLabel *>("sLabel1");
    auto *sLabel2 = form.findChild<QLabel *>("sLabel2");
    QCOMPARE(sLabel1->text(), QStringLiteral("Sorry, that was incorrect. The correct word is:"));
    QCOMPARE(sLabel2->text(), QStringLiteral("The word you entered was:"));
    QCOMPARE(sLabel1->pos(), QPoint(16, 16));
    QCOMPARE(sLabel2->pos(), QPoint(16, 88));
    // Wide enough for their text in whatever face stands in for Tahoma.
    QVERIFY(sLabel1->width() >= sLabel1->sizeHint().width());
    QVERIFY(sLabel2->width() >= sLabel2->sizeHint().width());

    form.ensurePolished(); // style sheets give the fonts and colours
    auto *panel1 = form.findChild<TextPanel *>("Panel1");
    auto *panel2 = form.findChild<TextPanel *>("Panel2");
    QCOMPARE(panel1->geometry(), QRect(16, 41, 433, 41));
    QCOMPARE(panel2->geometry(), QRect(16, 110, 433, 41));
    QCOMPARE(panel1->font().pixelSize(), 27);
    QCOMPARE(panel2->font().pixelSize(), 27);
    QCOMPARE(panel1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(panel2->focusPolicy(), Qt::NoFocus);
    QCOMPARE(panel1->palette().color(panel1->foregroundRole()), QColor(0, 255, 0));
    QCOMPARE(panel2->palette().color(panel2->foregroundRole()), QColor(255, 0, 0));

    auto *sButton1 = form.findChild<QPushButton *>("sButton1");
    QCOMPARE(sButton1->geometry(), QRect(192, 168, 75, 25));
    QCOMPARE(sButton1->text(), QStringLiteral("Close"));
    QVERIFY(!sButton1->autoDefault() && !sButton1->isDefault());
    form.show();
    QCOMPARE(form.focusWidget(), sButton1);
}

void TestCorrectWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

void TestCorrectWindow::keys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);

    TfrmCorrect form;
    form.show();
    QTest::keyClick(form.focusWidget(), Qt::Key(key));
    QCOMPARE(form.isVisible(), !closes);
}

void TestCorrectWindow::placement_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1280, 800);
    // (714 - 465) / 2 = 124; (137 - 206) / 2 = -34, truncated towards zero (not -35).
    QTest::newRow("owner in the middle") << QRect(400, 300, 714, 137) << screen << QPoint(524, 266);
    QTest::newRow("owner at the left edge") << QRect(-300, 300, 714, 137) << screen << QPoint(0, 266);
    QTest::newRow("owner near the top") << QRect(400, 10, 714, 137) << screen << QPoint(524, 0);
    QTest::newRow("owner in the top-left corner") << QRect(-50, -20, 300, 100) << screen << QPoint(0, 0);
    // (300 - 465) / 2 = -82.5: truncated to -82.
    QTest::newRow("owner narrower than the window") << QRect(600, 300, 300, 137) << screen << QPoint(518, 266);
    // A second screen left of the first: the desktop starts at -1024.
    QTest::newRow("desktop left of the origin")
        << QRect(-900, 300, 714, 137) << QRect(-1024, 0, 2304, 800) << QPoint(-776, 266);
    QTest::newRow("owner past the desktop's left edge")
        << QRect(-1200, 300, 300, 137) << QRect(-1024, 0, 2304, 800) << QPoint(-1024, 266);
}

void TestCorrectWindow::placement()
{
    QFETCH(QRect, owner);
    QFETCH(QRect, desktop);
    QFETCH(QPoint, expected);
    QCOMPARE(TfrmCorrect::placement(owner, QSize(465, 206), desktop), expected);
}

void TestCorrectWindow::showInCorrectCentresOverItsOwner()
{
    QWidget owner;
    owner.setGeometry(300, 200, 714, 137);
    owner.show();

    QRect shown;
    QWidget *parent = nullptr;
    QString right;
    QString typed;
    QTimer::singleShot(10, [&] {
        auto *form = qobject_cast<TfrmCorrect *>(QApplication::activeModalWidget());
        QVERIFY(form);
        shown = form->frameGeometry();
        parent = form->parentWidget();
        right = form->findChild<TextPanel *>("Panel1")->text();
        typed = form->findChild<TextPanel *>("Panel2")->text();
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    });
    ShowInCorrect(&owner, QStringLiteral("cat"), QStringLiteral(" Cat "));

    QCOMPARE(parent, &owner);
    QCOMPARE(right, QStringLiteral("cat"));
    QCOMPARE(typed, QStringLiteral(" Cat "));
    const QPoint offset = shown.center() - owner.frameGeometry().center();
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void TestCorrectWindow::blanksTakeTheirRoom()
{
    const auto plain = inkColumns(QStringLiteral("ab"));
    const auto trailing = inkColumns(QStringLiteral("ab      "));
    const auto leading = inkColumns(QStringLiteral("      ab"));
    QVERIFY(plain && trailing && leading);
    const int centre = (plain->first + plain->second) / 2;
    // The blanks are part of the centred text, so the letters move away from them.
    QVERIFY((trailing->first + trailing->second) / 2 < centre - 10);
    QVERIFY((leading->first + leading->second) / 2 > centre + 10);
    QVERIFY(!inkColumns(QStringLiteral("   ")));
}

void TestCorrectWindow::longWordIsCutAtBothEdges()
{
    QImage shot;
    const auto ink = inkColumns(QStringLiteral("W").repeated(80), &shot);
    QVERIFY(ink);
    TextPanel probe;
    probe.setFrameShape(QFrame::Panel);
    const int frame = probe.frameWidth();
    // Ink runs to the inner edges on both sides, and not over the border.
    QCOMPARE(ink->first, frame);
    QCOMPARE(ink->second, shot.width() - 1 - frame);
}

QTEST_MAIN(TestCorrectWindow)
#include "tst_correct.moc"
