#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/Cp932.h"
#include "common/DataPath.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"

#include <QDir>
#include <QtTest>

class TextFileTest : public QObject
{
    Q_OBJECT

private slots:
    void cp932RoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("reencoded");
        QTest::newRow("wave dash") << QByteArray("\x81\x60") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("horizontal bar") << QByteArray("\x81\x5c") << QStringLiteral("―") << QByteArray("\x81\x5c");
        QTest::newRow("circled one") << QByteArray("\x87\x40") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("kabushiki") << QByteArray("\x87\x8a") << QStringLiteral("㈱") << QByteArray("\x87\x8a");
        QTest::newRow("half-width a") << QByteArray("\xb1") << QStringLiteral("ｱ") << QByteArray("\xb1");
        QTest::newRow("right quote") << QByteArray("\x81\x66") << QStringLiteral("’") << QByteArray("\x81\x66");
        QTest::newRow("backslash") << QByteArray("\\") << QStringLiteral("\\") << QByteArray("\\");
        QTest::newRow("NEC duplicate") << QByteArray("\xed\x40") << QStringLiteral("纊") << QByteArray("\xfa\x5c");
    }
    void cp932RoundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QByteArray, reencoded);
        QCOMPARE(Cp932::decode(bytes).value_or(QString()), text);
        QCOMPARE(Cp932::encode(text).value_or(QByteArray()), reencoded);
    }

    void jisWaveDashEncodesLikeWindows()
    {
        QCOMPARE(Cp932::encode(QStringLiteral("〜")).value_or(QByteArray()), QByteArray("\x81\x60"));
    }

    void brokenBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("offset");
        QTest::newRow("80") << QByteArray("ab\x80") << qsizetype(2);
        QTest::newRow("A0") << QByteArray("\xa0") << qsizetype(0);
        QTest::newRow("FD") << QByteArray("x\xfd") << qsizetype(1);
        QTest::newRow("FF") << QByteArray("\x82\xa0\xff") << qsizetype(2);
        QTest::newRow("cut lead byte") << QByteArray("a\x82") << qsizetype(1);
    }
    void brokenBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, offset);
        qsizetype at = -1;
        QVERIFY(!Cp932::decode(bytes, &at));
        QCOMPARE(at, offset);
    }

    void unencodableCharacterIsAnError()
    {
        qsizetype at = -1;
        QVERIFY(!Cp932::encode(QStringLiteral("ab😀"), &at));
        QCOMPARE(at, qsizetype(2));
    }

    void byteLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("digits") << QStringLiteral("12") << 2;
        QTest::newRow("kanji") << QStringLiteral("牛舎") << 4;
        QTest::newRow("mixed") << QStringLiteral("ab牛舎") << 6;
        QTest::newRow("half-width kana") << QStringLiteral("ｱｲ") << 2;
        QTest::newRow("best-fit wave dash") << QStringLiteral("〜") << 2;
        QTest::newRow("best-fit minus") << QStringLiteral("−") << 2;
        QTest::newRow("best-fit cent, pound, not") << QStringLiteral("¢£¬") << 6;
        QTest::newRow("not in code page") << QStringLiteral("€") << 1;
    }
    void byteLength()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QCOMPARE(Cp932::byteLength(text), length);
    }

    void readsEveryLineEnd()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeBytes(root.file("a.txt"), "one\r\ntwo\nthree\rfour");
        const TextFile file = TextFile::read(path);
        QVERIFY(file.ok());
        QCOMPARE(file.texts(), (QStringList{"one", "two", "three", "four"}));
        const TextFile empty = TextFile::read(TestFixture::writeBytes(root.file("b.txt"), ""));
        QVERIFY(empty.ok());
        QVERIFY(empty.lines.isEmpty());
        const TextFile blank = TextFile::read(TestFixture::writeBytes(root.file("c.txt"), "\r\n\r\nx\r\n"));
        QCOMPARE(blank.texts(), (QStringList{"", "", "x"}));
    }

    void decodeErrorNamesFileAndOffset()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeBytes(root.file("bad.ini"), "ok\r\nab\x80\r\n");
        const TextFile file = TextFile::read(path);
        QCOMPARE(file.status, TextFile::Status::DecodeError);
        QCOMPARE(file.errorOffset, qsizetype(6));
        QCOMPARE(file.errorLine, 1);
        QVERIFY(file.errorText.contains(path));
        QVERIFY(file.errorText.contains(QStringLiteral("6")));
        QVERIFY(file.lines.isEmpty());
        QCOMPARE(TextFile::read(root.file("none.ini")).status, TextFile::Status::Missing);
    }

    void unchangedLinesKeepTheirBytes()
    {
        TempDataRoot root;
        const QByteArray original("\xed\x40'a\r\n\x87\x90\r\nplain\r\n");
        const QString path = TestFixture::writeBytes(root.file("dup.txt"), original);
        TextFile file = TextFile::read(path);
        QVERIFY(file.ok());
        QVERIFY(TextFile::write(path, file.lines));
        QCOMPARE(TestFixture::readBytes(path), original);
        file.lines[2].text = QStringLiteral("changed");
        QVERIFY(TextFile::write(path, file.lines));
        QCOMPARE(TestFixture::readBytes(path), QByteArray("\xed\x40'a\r\n\x87\x90\r\nchanged\r\n"));
    }

    void failedWriteLeavesOldFile()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(root.file("keep.ini"), {QStringLiteral("古い行")});
        const QByteArray before = TestFixture::readBytes(path);
        QString error;
        TextFile::failNextWriteAfterBytes(3);
        QVERIFY(!TextFile::write(path, QStringList{QStringLiteral("新しい行"), QStringLiteral("二行目")}, &error));
        QVERIFY(error.contains(path));
        QCOMPARE(TestFixture::readBytes(path), before);
        QVERIFY(!TextFile::write(path, QStringList{QStringLiteral("絵文字😀")}, &error));
        QVERIFY(error.contains(path));
        QCOMPARE(TestFixture::readBytes(path), before);
        QVERIFY(!TextFile::write(root.path() + "/no/such/folder/x.ini", QStringList{"a"}, &error));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files), QStringList{"keep.ini"});
    }

    void writesCrLfAfterEveryLine()
    {
        TempDataRoot root;
        const QString path = root.file("w.ini");
        QVERIFY(TextFile::write(path, QStringList{QStringLiteral("鳥取県"), QString()}));
        QCOMPARE(TestFixture::readBytes(path), QByteArray("\x92\xb9\x8e\xe6\x8c\xa7\r\n\r\n"));
        QVERIFY(TextFile::write(path, QStringList{}));
        QCOMPARE(TestFixture::readBytes(path), QByteArray());
    }

    void valueReading_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("one line") << QStringList{"鳥取県,0"} << QStringList{"鳥取県", "0"};
        QTest::newRow("two lines") << QStringList{"鳥取県", "0"} << QStringList{"鳥取県", "0"};
        QTest::newRow("quoted with blank") << QStringList{"\"茨城県 \",\"12\""} << QStringList{"茨城県 ", "12"};
        QTest::newRow("blanks around") << QStringList{"  a  , b"} << QStringList{"a", "b"};
        QTest::newRow("quoted comma") << QStringList{"\"1-2, 本町\""} << QStringList{"1-2, 本町"};
        QTest::newRow("trailing comma") << QStringList{"山田,123,"} << QStringList{"山田", "123", ""};
        QTest::newRow("empty line") << QStringList{""} << QStringList{""};
    }
    void valueReading()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, values);
        QCOMPARE(ValueReader::values(lines), values);
    }

    void quotedValuesReadBack()
    {
        for (const QString& v : {QStringLiteral("東町1-2,3"), QStringLiteral("plain"), QStringLiteral(" x")})
            QCOMPARE(ValueReader::lineValues(ValueReader::quoteIfNeeded(v)).value(0), v);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1.5" << 1.5;
        QTest::newRow("letters after") << "1.5mm" << 1.5;
        QTest::newRow("negative") << "-2" << -2.0;
        QTest::newRow("none") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading dot") << ".5" << 0.5;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ValueReader::leadingNumber(text), value);
    }
};

NOLVARI_TEST(TextFileTest)
#include "TextFileTest.moc"
