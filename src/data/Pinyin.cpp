#include "Pinyin.h"

#include <QList>
#include <iconv.h>
#include <cerrno>

namespace {

struct Range { unsigned from, to; char letter; };

// First-level GB2312 characters by initial.
const Range kRanges[] = {
    {0xB0A1, 0xB0C4, 'a'}, {0xB0C5, 0xB2C0, 'b'}, {0xB2C1, 0xB4ED, 'c'}, {0xB4EE, 0xB6E9, 'd'},
    {0xB6EA, 0xB7A1, 'e'}, {0xB7A2, 0xB8C0, 'f'}, {0xB8C1, 0xB9FD, 'g'}, {0xB9FE, 0xBBF6, 'h'},
    {0xBBF7, 0xBFA5, 'j'}, {0xBFA6, 0xC0AB, 'k'}, {0xC0AC, 0xC2E7, 'l'}, {0xC2E8, 0xC4C2, 'm'},
    {0xC4C3, 0xC5B5, 'n'}, {0xC5B6, 0xC5BD, 'o'}, {0xC5BE, 0xC6D9, 'p'}, {0xC6DA, 0xC8BA, 'q'},
    {0xC8BB, 0xC8F5, 'r'}, {0xC8F6, 0xCBF9, 's'}, {0xCBFA, 0xCDD9, 't'}, {0xCDDA, 0xCEF3, 'w'},
    {0xCEF4, 0xD1B8, 'x'}, {0xD1B9, 0xD4D0, 'y'}, {0xD4D1, 0xD7F9, 'z'},
};

// The initial of one two-byte code; 0 for the brackets, which give nothing.
char initialOfCode(unsigned c)
{
    if (c == 0xA3A8 || c == 0xA3A9)
        return 0;
    if (c >= 0xA3B0 && c <= 0xA3B9)
        return char('0' + (c - 0xA3B0));
    if (c >= 0xA3C1 && c <= 0xA3DA)
        return char('a' + (c - 0xA3C1));
    if (c >= 0xA3E1 && c <= 0xA3FA)
        return char('a' + (c - 0xA3E1));
    for (const Range &r : kRanges)
        if (c >= r.from && c <= r.to)
            return r.letter;
    return '*';
}

// A single byte stands for its full-width form: 0xA3 followed by (byte + 0x80) mod 256.
unsigned fullWidthOf(unsigned char b)
{
    return 0xA300u | ((b + 0x80u) & 0xFFu);
}

void appendInitial(QString &out, unsigned code)
{
    if (const char ch = initialOfCode(code))
        out += QLatin1Char(ch);
}

} // namespace

QString PinyinInitialsGbk(const QByteArray &gbk)
{
    QString out;
    const auto *p = reinterpret_cast<const unsigned char *>(gbk.constData());
    const qsizetype n = gbk.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            appendInitial(out, fullWidthOf(b));
            ++i;
        } else if (i + 1 < n) {
            // A GBK lead byte always takes the byte after it, so a character of the
            // extension area never swallows the character that follows.
            appendInitial(out, (unsigned(b) << 8) | p[i + 1]);
            i += 2;
        } else {
            ++i; // a lead byte without its second byte
        }
    }
    return out;
}

QString PinyinInitials(const QString &text)
{
    QString out;
    if (text.isEmpty())
        return out;
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == iconv_t(-1))
        return QString(text.size(), u'*');
    // Converted one character at a time, so one without a GBK form gives one "*".
    const QList<uint> points = text.toUcs4();
    for (const uint cp : points) {
        const char32_t c32 = char32_t(cp);
        QByteArray in = QString::fromUcs4(&c32, 1).toUtf8();
        char outBuf[8];
        char *inPtr = in.data();
        size_t inLeft = size_t(in.size());
        char *outPtr = outBuf;
        size_t outLeft = sizeof outBuf;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const qsizetype len = qsizetype(outPtr - outBuf);
        if (rc == size_t(-1) || inLeft != 0 || len == 0 || len > 2) {
            out += u'*';
            continue;
        }
        out += PinyinInitialsGbk(QByteArray(outBuf, len));
    }
    iconv_close(cd);
    return out;
}
