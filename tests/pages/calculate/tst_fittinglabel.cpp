// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/fittinglabel.h"

#include <QTest>

static QFont digits(int pixelSize)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

class TestFittingLabel : public QObject
{
    Q_OBJECT

private slots:
    void fitsItsCaptionKeepingLeftAndTop();
    void aHiddenLabelFitsOnceShown();
};

void TestFittingLabel::fitsItsCaptionKeepingLeftAndTop()
{
    QWidget board;
    FittingLabel label(&board);
    label.setFont(digits(48));
    label.move(200, 25);
    board.show();
    label.setCaption(u'8');
    QCOMPARE(label.text(), QStringLiteral("8"));
    QCOMPARE(label.size(), label.sizeHint());
    const QSize digit = label.size();
    label.setCaption(u' ');
    QVERIFY(label.width() < digit.width());
    QCOMPARE(label.pos(), QPoint(200, 25));
    label.setCaption(u'8');
    QCOMPARE(label.size(), digit);

    // A new font is measured afresh.
    label.setFont(digits(24));
    label.setCaption(u' ');
    label.setCaption(u'8');
    QCOMPARE(label.size(), label.sizeHint());
    QVERIFY(label.height() < digit.height());

    FittingLabel fixed(&board);
    fixed.setFont(digits(48));
    fixed.setAutoSize(false);
    fixed.resize(29, 67);
    fixed.show();
    fixed.setCaption(u' ');
    QCOMPARE(fixed.size(), QSize(29, 67));
}

void TestFittingLabel::aHiddenLabelFitsOnceShown()
{
    QWidget board;
    FittingLabel label(&board);
    label.setFont(digits(48));
    label.resize(3, 3);
    label.setCaption(u'8');
    QCOMPARE(label.size(), QSize(3, 3));
    board.show();
    QCOMPARE(label.size(), label.sizeHint());
}

QTEST_MAIN(TestFittingLabel)
#include "tst_fittinglabel.moc"
