#include "point_files.h"
#include "points/item_reader.h"

#include <QTest>

using vandelor::Item;
using vandelor::ItemReader;

namespace {

QByteArray repeated(const char *text, int times) {
    return QByteArray(text).repeated(times);
}

// Reads every item of the bytes, as written into a file. Items read as too
// long are marked with a trailing "[too long]".
QStringList readItems(const QByteArray &bytes, bool *isText = nullptr) {
    PointFile points(bytes);
    ItemReader reader(points.file);
    if (isText)
        *isText = reader.isText();
    QStringList items;
    while (!reader.atEnd()) {
        const std::optional<Item> item = reader.next();
        items.append(item->tooLong ? item->text.right(3) + QStringLiteral("[too long]")
                                   : item->text);
    }
    if (reader.next())
        qFatal("an item after the end");
    return items;
}

// A device of any size whose bytes are made as they are read: a pattern
// repeated without end, cut at the size. It can fail once it is read again
// from the start, as a disk can fail during the second reading.
class GeneratedDevice : public QIODevice {
public:
    GeneratedDevice(QByteArray pattern, qint64 size, qint64 failAfterRewindAt = -1)
        : m_pattern(std::move(pattern))
        , m_size(size)
        , m_failAt(failAfterRewindAt) {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return m_size; }
    bool seek(qint64 pos) override {
        m_rewound = m_rewound || pos < this->pos();
        return QIODevice::seek(pos);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override {
        const qint64 from = pos();
        if (m_rewound && m_failAt >= 0 && from + maxSize > m_failAt)
            return -1;
        const qint64 count = std::min(maxSize, m_size - from);
        for (qint64 i = 0; i < count; ++i)
            data[i] = m_pattern.at((from + i) % m_pattern.size());
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_pattern;
    qint64 m_size;
    qint64 m_failAt;
    bool m_rewound = false;
};

} // namespace

class ItemReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void items_splitAtCommasAndLineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        const auto row = [](const char *name, const QByteArray &bytes, const QStringList &items) {
            QTest::newRow(name) << bytes << items;
        };
        row("empty file", "", QStringList());
        row("one line without line end", "a;b", texts({"a;b"}));
        row("LF, CR and CRLF", "a\nb\rc\r\nd", texts({"a", "b", "c", "d"}));
        row("CR then CRLF is one blank line", "a\r\r\nb", texts({"a", "", "b"}));
        row("comma splits a line", "10,5;20;30\n", texts({"10", "5;20;30"}));
        row("empty items between commas", "a,,b", texts({"a", "", "b"}));
        row("blanks before an item are skipped", "  \ta\n   b", texts({"a", "b"}));
        row("blanks before the delimiter are dropped", "a  ,b\t\nc   ", texts({"a", "b", "c"}));
        row("blanks inside an item stay", "P 1; 2 ;3", texts({"P 1; 2 ;3"}));
        row("line of blanks is an empty item", "a\n   \nb", texts({"a", "", "b"}));
        row("blanks at the end of the file", "a\n   ", texts({"a", ""}));
        row("quoted item keeps commas", "\"a,b\",c", texts({"a,b", "c"}));
        row("quoted item keeps blanks and line ends", "  \" x\r\ny \"\n", texts({" x\r\ny "}));
        row("text after the closing quote is dropped", "\"ab\"cd,e", texts({"ab", "e"}));
        row("unterminated quote runs to the end", "\"a,b\nc", texts({"a,b\nc"}));
        row("quote inside an item is a character", "a\"b\",c", texts({"a\"b\"", "c"}));
        // A line longer than a piece is cut anywhere, here between CR and LF.
        row("CRLF across two pieces of a long line",
            "a" + repeated(" ", vandelor::DecodedText::PieceBytes - 2) + "\r\nb",
            texts({"a", "b"}));
    }
    void items_splitAtCommasAndLineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, items);
        QCOMPARE(readItems(bytes), items);
    }

    // A Windows program writes UTF-16 with a byte order mark, UTF-8 or
    // Windows-1252; a file several programs wrote to mixes the last two line
    // by line. Anything else is no text and gives no items at all.
    void encoding_isDecidedPerFileOrLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("isText");
        const auto row = [](const char *name, const QByteArray &bytes, const QStringList &items,
                            bool isText = true) {
            QTest::newRow(name) << bytes << items << isText;
        };
        const QStringList ids{QStringLiteral("Punkt_ä;Maß_1")};
        const QString utf16Text = QStringLiteral("Punkt_ä;Maß_1\r\nP2");
        const auto utf16 = [&](bool bigEndian) {
            QByteArray bytes;
            for (const QChar c : u'\xfeff' + utf16Text) {
                const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xff);
                bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
            }
            return bytes;
        };
        const QStringList utf16Items{ids.first(), QStringLiteral("P2")};
        row("UTF-8 with byte order mark", "\xef\xbb\xbfPunkt_\xc3\xa4;Ma\xc3\x9f_1", ids);
        row("Windows-1252", "Punkt_\xe4;Ma\xdf_1", ids);
        row("Windows-1252 signs of 0x80 to 0x9F", "\x80\x84\x93\x94\x96\x8a\x9f",
            {QStringLiteral("€„“”–ŠŸ")});
        row("lines of both", "Ma\xc3\x9f_1\r\nPunkt_\xe4\n\xc3\xa4\xe4\nx",
            texts({"Maß_1", "Punkt_ä", "Ã¤ä", "x"}));
        row("UTF-8 cut off at the end", "a\xc3", {QStringLiteral("aÃ")});
        row("surrogate", "\xed\xa0\x80", {QStringLiteral("í\u00a0€")});
        row("UTF-16 little endian", utf16(false), utf16Items);
        row("UTF-16 big endian", utf16(true), utf16Items);
        row("a NUL byte late in the file", "P1;1;2;3\n" + QByteArray(70000, 'x') + '\0', {}, false);
        row("control characters", QByteArray("\x01\x02\x03\x04a,b\x05\x06\x07"), {}, false);
    }
    void encoding_isDecidedPerFileOrLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, items);
        QFETCH(bool, isText);
        bool found = !isText;
        QCOMPARE(readItems(bytes, &found), items);
        QCOMPARE(found, isText);
    }

    // The file is read in pieces of DecodedText::PieceBytes; nothing may
    // change where a piece ends.
    void pieceBoundary_changesNothing_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QStringList>("lastItems");
        // 32767 lines "a\n" fill the first piece up to its last two bytes.
        QTest::newRow("CRLF across") << QByteArray("b\r\nc") << texts({"b", "c"});
        QTest::newRow("UTF-8 sequence across") << QByteArray("b\xc3\xa4") << texts({"bä"});
        QTest::newRow("Windows-1252 byte at the end of the piece")
            << QByteArray("b\xe4;c") << texts({"bä;c"});
        QTest::newRow("blanks across before the delimiter")
            << QByteArray("b    \nc") << texts({"b", "c"});
        QTest::newRow("quote across") << QByteArray(" \"x,y\",z") << texts({"x,y", "z"});
    }
    void pieceBoundary_changesNothing() {
        QFETCH(QByteArray, tail);
        QFETCH(QStringList, lastItems);
        const int lines = vandelor::DecodedText::PieceBytes / 2 - 1;
        const QStringList items = readItems(repeated("a\n", lines) + tail);
        QCOMPARE(items.size(), lines + lastItems.size());
        QCOMPARE(items.mid(lines), lastItems);
    }

    void itemLength_isBounded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        const int max = ItemReader::MaxItemLength;
        QTest::newRow("longest item")
            << repeated("x", max) + "\ny" << QStringList{QString(max, u'x'), QStringLiteral("y")};
        QTest::newRow("one character more")
            << repeated("x", max - 1) + "yz\nw" << texts({"xxy[too long]", "w"});
        QTest::newRow("many blanks before the delimiter")
            << "3" + repeated(" ", 2 * max) + "\ny" << texts({"3", "y"});
        QTest::newRow("many blanks before the item")
            << repeated(" ", 2 * max) + "3" << texts({"3"});
        QTest::newRow("many blanks inside the item")
            << "3" + repeated(" ", 2 * max) + "4,y" << texts({"   [too long]", "y"});
        QTest::newRow("long quoted item")
            << "\"" + repeated("q", 2 * max) + "\",y" << texts({"qqq[too long]", "y"});
    }
    void itemLength_isBounded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, items);
        QCOMPARE(readItems(bytes), items);
    }

    void hugeLine_isReadPastWithoutHoldingIt() {
        const qint64 size = 64 * 1024 * 1024;
        GeneratedDevice device("0123456789;", size);
        ItemReader reader(device);
        const std::optional<Item> item = reader.next();
        QVERIFY(item && item->tooLong);
        QCOMPARE(item->text.size(), ItemReader::MaxItemLength);
        QVERIFY(reader.atEnd());
        QCOMPARE(device.pos(), size);
    }

    void readFailure_endsTheItemsAndIsReported() {
        GeneratedDevice device("a,", 3 * vandelor::DecodedText::PieceBytes,
                               vandelor::DecodedText::PieceBytes + 1);
        ItemReader reader(device);
        int items = 0;
        while (reader.next())
            ++items;
        QCOMPARE(items, vandelor::DecodedText::PieceBytes / 2);
        QVERIFY(reader.readFailed());
    }
};

QTEST_GUILESS_MAIN(ItemReaderTest)
#include "tst_item_reader.moc"
