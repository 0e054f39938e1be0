#include "qm_writer.h"

#include <QDataStream>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Section and message tags of the .qm format.
enum : quint8 { kHashes = 0x42, kMessages = 0x69 };
enum : quint8 { kEnd = 1, kTranslation = 3, kSourceText = 6, kContext = 7 };

const quint8 kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                           0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The ELF hash QTranslator files messages under (source text, then comment).
quint32 messageHash(const QByteArray &sourceText)
{
    quint32 h = 0;
    for (const char c : sourceText) {
        h = (h << 4) + quint8(c);
        const quint32 g = h & 0xf0000000;
        if (g)
            h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

void writeBlock(QDataStream &out, quint8 tag, const QByteArray &data)
{
    out << tag << quint32(data.size());
    out.writeRawData(data.constData(), data.size());
}

} // namespace

QByteArray compiledTranslations(const QList<TranslatedMessage> &messages)
{
    QByteArray messageData;
    QDataStream messageOut(&messageData, QIODevice::WriteOnly); // big-endian, as the format wants
    std::vector<std::pair<quint32, quint32>> hashes;
    for (const TranslatedMessage &message : messages) {
        hashes.emplace_back(messageHash(message.sourceText), quint32(messageData.size()));
        QByteArray utf16;
        for (const QChar c : message.translation)
            utf16 += char(c.unicode() >> 8), utf16 += char(c.unicode() & 0xff);
        writeBlock(messageOut, kTranslation, utf16);
        writeBlock(messageOut, kSourceText, message.sourceText);
        writeBlock(messageOut, kContext, message.context);
        messageOut << kEnd;
    }
    std::sort(hashes.begin(), hashes.end());

    QByteArray hashData;
    QDataStream hashOut(&hashData, QIODevice::WriteOnly);
    for (const auto &entry : hashes)
        hashOut << entry.first << entry.second;

    QByteArray file(reinterpret_cast<const char *>(kMagic), sizeof kMagic);
    QDataStream out(&file, QIODevice::Append);
    writeBlock(out, kHashes, hashData);
    writeBlock(out, kMessages, messageData);
    return file;
}
