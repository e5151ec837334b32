// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The correction window: its face, its keys, where it opens and how the two words are drawn.

#include "ModalDriver.h"
#include "TestMain.h"
#include "TextPanel.h"
#include "Widgets.h"
#include "uCorrect.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPushButton>

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
    void showInCorrectCentresOverItsOwner();
    void textsAreReadAsLabelsInOrder();
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

void TestCorrectWindow::showInCorrectCentresOverItsOwner()
{
    QWidget owner;
    owner.setGeometry(300, 200, 714, 137);
    owner.show();

    QRect shown;
    QWidget *parent = nullptr;
    QString right;
    QString typed;
    ModalDriver driver({[&](QWidget *modal) {
        auto *form = qobject_cast<TfrmCorrect *>(modal);
        QVERIFY(form);
        shown = form->frameGeometry();
        parent = form->parentWidget();
        right = child<TextPanel>(form, "Panel1")->text();
        typed = child<TextPanel>(form, "Panel2")->text();
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    }});
    ShowInCorrect(&owner, QStringLiteral("cat"), QStringLiteral(" Cat "));
    QCOMPARE(driver.seen(), QStringList{"TfrmCorrect"});

    QCOMPARE(parent, &owner);
    QCOMPARE(right, QStringLiteral("cat"));
    QCOMPARE(typed, QStringLiteral(" Cat "));
    const QPoint offset = shown.center() - owner.frameGeometry().center();
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void TestCorrectWindow::textsAreReadAsLabelsInOrder()
{
    TfrmCorrect form;
    form.setWords(QStringLiteral("apple"), QStringLiteral("Aple "));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(window);
    QStringList labels;
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessibleInterface *control = window->child(i);
        if (control && control->role() == QAccessible::StaticText)
            labels << control->text(QAccessible::Name);
    }
    QCOMPARE(labels, (QStringList{"Sorry, that was incorrect. The correct word is:", "apple",
                                  "The word you entered was:", "Aple "}));
    // A new word is read as it is shown.
    form.setWords(QStringLiteral("pear"), QStringLiteral("pare"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(child<TextPanel>(&form, "Panel2"))->text(QAccessible::Name),
        QStringLiteral("pare"));
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

SPELLDECK_TEST_MAIN(TestCorrectWindow)
#include "tst_correct.moc"
