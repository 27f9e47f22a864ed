// Services that need no database: capitals, pinyin initials, message boxes.
#include "Capitals.h"
#include "MsgBox.h"
#include "MsgBoxSpy.h"
#include "Pinyin.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestServices : public QObject
{
    Q_OBJECT
private slots:
    void capitals_data();
    void capitals();
    void capitalsYuan_data();
    void capitalsYuan();
    void capitalsRejectsWhatIsNoNumber();
    void pinyin_data();
    void pinyin();
    void pinyinOfGbkBytes();
    void msgBoxKindsAndCaptions();
};

void TestServices::capitals_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << 1234.56 << QStringLiteral("壹仟贰佰叁拾肆元伍角陆分整");
    QTest::newRow("zeros kept") << 100.0 << QStringLiteral("壹佰零拾零元零角零分整");
    QTest::newRow("below a yuan") << 0.5 << QStringLiteral("伍角零分整");
    QTest::newRow("zero") << 0.0 << QStringLiteral("零分整");
    QTest::newRow("half to even") << 0.125 << QStringLiteral("壹角贰分整");
    QTest::newRow("half to even up") << 0.135 << QStringLiteral("壹角肆分整");
    QTest::newRow("largest of 11 places") << 999999999.99 << QStringLiteral("玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分整");
    QTest::newRow("a billion") << 1000000000.0 << QStringLiteral("壹拾零亿零仟零佰零拾零万零仟零佰零拾零元零角零分整");
    QTest::newRow("a trillion") << 1e12 << QStringLiteral("壹万零仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零元零角零分整");
    QTest::newRow("negative") << -1234.56 << QStringLiteral("负壹仟贰佰叁拾肆元伍角陆分整");
    QTest::newRow("negative rounding to zero") << -0.001 << QStringLiteral("零分整");
}

void TestServices::capitals()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(AmountInCapitals(amount), expected);
}

void TestServices::capitalsYuan_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << 1234.56 << QStringLiteral("壹仟贰佰叁拾肆");
    QTest::newRow("below a yuan") << 0.56 << QStringLiteral("零");
    QTest::newRow("zero") << 0.0 << QStringLiteral("零");
    QTest::newRow("negative") << -20.0 << QStringLiteral("负贰拾零");
}

void TestServices::capitalsYuan()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(AmountInCapitalsYuan(amount), expected);
}

void TestServices::capitalsRejectsWhatIsNoNumber()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AmountInCapitals(std::nan("")));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AmountInCapitals(std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AmountInCapitals(-std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AmountInCapitals(1e300));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AmountInCapitalsYuan(std::nan("")));
}

void TestServices::pinyin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name") << QStringLiteral("张三") << QStringLiteral("zs");
    QTest::newRow("letters, digit, blank") << QStringLiteral("A1 张") << QStringLiteral("a1*z");
    QTest::newRow("full-width brackets") << QStringLiteral("（李）") << QStringLiteral("l");
    QTest::newRow("half-width brackets") << QStringLiteral("(李)") << QStringLiteral("l");
    QTest::newRow("plain letters") << QStringLiteral("xyz") << QStringLiteral("xyz");
    QTest::newRow("full-width letters and digits") << QStringLiteral("ＡＢ１２ｃ") << QStringLiteral("ab12c");
    QTest::newRow("punctuation") << QStringLiteral("陶，瓷") << QStringLiteral("t*c");
    QTest::newRow("second-level character") << QStringLiteral("亍") << QStringLiteral("*");
    QTest::newRow("GBK extension character") << QStringLiteral("丂王") << QStringLiteral("*w");
    QTest::newRow("no GBK form: emoji") << QStringLiteral("陶😀瓷") << QStringLiteral("t*c");
    QTest::newRow("no GBK form: rare CJK") << QStringLiteral("𠀀") << QStringLiteral("*");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("company") << QStringLiteral("佛山市恒丰陶瓷有限公司") << QStringLiteral("fsshftcyxgs");
}

void TestServices::pinyin()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(PinyinInitials(text), expected);
}

void TestServices::pinyinOfGbkBytes()
{
    // 张 is D5C5 in GBK: the text typed in UTF-8 gives the letters of its GBK bytes.
    QCOMPARE(PinyinInitialsGbk(QByteArray("\xD5\xC5\xC8\xFD")), QStringLiteral("zs"));
    QCOMPARE(PinyinInitialsGbk(QByteArray("\xD5")), QString()); // lone lead byte is dropped
    QCOMPARE(PinyinInitialsGbk(QByteArray("a\xD5")), QStringLiteral("a"));
    QCOMPARE(PinyinInitialsGbk(QByteArray()), QString());
}

void TestServices::msgBoxKindsAndCaptions()
{
    auto spy = MsgBoxSpy::install();
    QCOMPARE(MsgBox(5, QStringLiteral("x")), 0);
    QCOMPARE(MsgBox(0, QStringLiteral("x")), 0);
    QVERIFY(spy->messages.isEmpty());

    QCOMPARE(MsgBox(1, QStringLiteral("保存成功")), int(mrOk));
    spy->answer(mrCancel);
    QCOMPARE(MsgBox(3, QStringLiteral("确实要删除吗？")), int(mrCancel));
    spy->answer(mrNo);
    QCOMPARE(MsgBox(4, QStringLiteral("要保存吗？")), int(mrNo));
    QCOMPARE(spy->messages.size(), 3);
    QCOMPARE(spy->messages.at(1).kind, 3);
    QCOMPARE(spy->messages.at(1).text, QStringLiteral("确实要删除吗？"));

    QCOMPARE(MsgBoxCaption(1), QStringLiteral("信息"));
    QCOMPARE(MsgBoxCaption(2), QStringLiteral("错误"));
    QCOMPARE(MsgBoxCaption(3), QStringLiteral("问题"));
    QCOMPARE(MsgBoxCaption(4), QStringLiteral("问题"));
    SetMsgBoxPresenter(nullptr);
}

QTEST_GUILESS_MAIN(TestServices)
#include "tst_services.moc"
