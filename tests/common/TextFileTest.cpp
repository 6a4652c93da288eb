#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/Cp932.h"
#include "common/DataPath.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"

#include <QDir>
#include <QtTest>

#include <csignal>
#include <iconv.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// What glibc's iconv makes of bytes, converted on its own to UTF-8: the text, or the offset at
// which it stopped.
std::optional<QString> iconvDecode(QByteArrayView bytes, qsizetype& failedAt)
{
    const iconv_t handle = iconv_open("UTF-8", "CP932");
    QByteArray out(bytes.size() * 4 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    char* to = out.data();
    size_t inLeft = size_t(bytes.size());
    size_t outLeft = size_t(out.size());
    const bool ok = iconv(handle, &in, &inLeft, &to, &outLeft) != size_t(-1) && inLeft == 0;
    iconv_close(handle);
    if (!ok) {
        failedAt = in - bytes.data();
        return std::nullopt;
    }
    return QString::fromUtf8(out.constData(), to - out.constData());
}
} // namespace

class TextFileTest : public QObject
{
    Q_OBJECT

    // Writes lines to path in a child process: under a file-size limit of 50 bytes (a full disk),
    // or as the user "nobody" when the tests run as root. Whether the write succeeded and its
    // error text.
    static std::pair<bool, QString> writeInChild(const QString& path, const QStringList& lines, bool fullDisk)
    {
        int channel[2];
        if (pipe(channel) != 0)
            return {true, QString()};
        const pid_t pid = fork();
        if (pid == 0) {
            close(channel[0]);
            if (fullDisk) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{50, 50};
                setrlimit(RLIMIT_FSIZE, &limit);
            } else if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(2);
            }
            QString error;
            const bool ok = TextFile::write(path, lines, &error);
            const QByteArray text = error.toUtf8();
            if (write(channel[1], text.constData(), size_t(text.size())) != text.size())
                _exit(3);
            _exit(ok ? 0 : 1);
        }
        close(channel[1]);
        QByteArray text;
        char buffer[512];
        for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, n);
        close(channel[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        return {!(WIFEXITED(status) && WEXITSTATUS(status) == 1), QString::fromUtf8(text)};
    }

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

    // Every byte and every pair of bytes, alone and between ASCII letters, decodes to what iconv
    // makes of it, and fails where iconv fails, at the same offset.
    void decodesEverySequenceAsIconvDoes()
    {
        int mismatches = 0;
        for (int first = 0; first < 256; ++first) {
            for (int second = -1; second < 256; ++second) {
                QByteArray bytes(1, char(first));
                if (second >= 0)
                    bytes.append(char(second));
                for (const QByteArray& input : {bytes, "a" + bytes + "b"}) {
                    qsizetype expectedAt = -1;
                    qsizetype at = -1;
                    const std::optional<QString> expected = iconvDecode(input, expectedAt);
                    const std::optional<QString> text = Cp932::decode(input, &at);
                    if (text != expected || (!text && at != expectedAt))
                        ++mismatches;
                }
            }
        }
        QCOMPARE(mismatches, 0);
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

    // A small file on a full disk: the write (limited by a file-size limit in a child process)
    // fails, is reported in Japanese with the file's name, and the old file stays whole. The same
    // for a folder that cannot be written (the child drops root's rights first).
    void failedWriteInChildKeepsOldFile_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << true << QStringLiteral("ファイルが大きすぎます");
        QTest::newRow("read-only folder") << false << QStringLiteral("フォルダに書き込む権限がありません");
    }
    void failedWriteInChildKeepsOldFile()
    {
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(root.file("set/NameCode.ini"), {QStringLiteral("東谷,佐藤,00010001")});
        const QByteArray before = TestFixture::readBytes(path);
        const QString folder = QFileInfo(path).absolutePath();
        QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
        if (!fullDisk)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const QStringList lines(20, QStringLiteral("東谷,佐藤,00010001,東谷1-2,さ,12,本所,3,1-2,,"));
        const auto [written, message] = writeInChild(path, lines, fullDisk);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(TestFixture::readBytes(path), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"NameCode.ini"});
        QVERIFY2(message.startsWith(QStringLiteral("ファイルを書き込めません: ") + path), qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral("（%1）").arg(reason)), qPrintable(message));
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
        QTest::newRow("exponent") << "1.5e3" << 1500.0;
        QTest::newRow("past the limit") << "1e30" << 0.0;
        QTest::newRow("negative past the limit") << "-1e15" << 0.0;
        QTest::newRow("too many digits") << QString(400, '9') << 0.0;
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
